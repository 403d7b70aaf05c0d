#pragma once

#include "TDataStore.h"
#include "TPgResultPlan.h"
#include "TStoreQuery.h"

#include <memory>

class TPgConnection;

// A query statement on a catalogue on a PostgreSQL server (see TPgResultPlan for how it
// is read). Opening reads in one snapshot (a read-only REPEATABLE READ transaction) so
// that the count and the keys agree. A category query is walked by key: opening costs a
// count of the records and their first and last keys (the keys between are known when
// they follow each other; otherwise the start of each run of them is read), and the
// values of at most the cache size of records around the one asked for are fetched by
// key range when another record is asked for. Pictures are fetched by key, one row at a
// time, only when a field asks for them. A record that another program removed
// meanwhile has NULL values; a picture added meanwhile shows the next time the query
// opens.
//
// While it waits for the server the connection pulses busy indicators (TBusyPulse). A
// server lost since the last operation is connected to again before the next one; a
// connection lost in the middle of opening fails the opening, so no partial result is
// ever shown as the whole.
class TPgQuery : public TStoreQuery {
public:
    TPgQuery(TPgConnection& connection, bool readOnly, const QString& sql,
             const TQuerySettings& settings);
    ~TPgQuery() override;

    bool CanModify(int column) const override;
    void Post(int row, const std::map<int, QVariant>& changes) override;
    bool BlobLoadsSkipped() const override { return m_plan->SkipsBlobLoads(); }

protected:
    qint64 ReadLazyBlob(int row, int column, TStream* out) override;
    void ReadRange(qint64 firstKey, qint64 lastKey, const TVisit& visit) override;

private:
    void DescribeColumns();
    void FetchKeys();
    void FetchRuns(TRecordKeys& keys, qint64 count, int wanted);
    void FetchRecords();
    // The key of the row that record row comes from.
    qint64 RowKey(int row);

    TPgConnection& m_connection;
    bool m_readOnly;
    TQuerySettings m_settings;
    std::unique_ptr<TPgResultPlan> m_plan;
};
