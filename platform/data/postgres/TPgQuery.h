#pragma once

#include "TDataStore.h"
#include "TPgResultPlan.h"
#include "TStoreQuery.h"

#include <memory>

class TPgConnection;
class TPgResult;
class TPgTableInfoCache;

// A query statement on a catalogue on a PostgreSQL server (see TPgResultPlan for how it
// is read). Opening reads in one snapshot (a read-only REPEATABLE READ transaction) so
// that the count and the keys agree. A category query is walked by key: opening costs a
// count of the records and their first and last keys (the keys between are known when
// they follow each other; otherwise the start of each run of them is read), and the
// values of at most the cache size of records around the one asked for are fetched with
// one statement or a few (by key range, and a find's scattered records by their keys)
// when another record is asked for. Pictures are fetched by key only for the records
// shown: those of a page about to be shown with one statement (PrefetchRecords), any
// other one row at a time when a field asks for it. A record that another program
// removed meanwhile has NULL values and no picture; a picture added meanwhile shows the
// next time the query opens.
//
// While it waits for the server the connection pulses busy indicators (TBusyPulse). A
// server lost since the last operation is connected to again before the next one; a
// connection lost in the middle of opening fails the opening, so no partial result is
// ever shown as the whole.
class TPgQuery : public TStoreQuery {
public:
    // What the catalog says of the table read comes from tables.
    TPgQuery(TPgConnection& connection, TPgTableInfoCache& tables, bool readOnly,
             const QString& sql, const TQuerySettings& settings);
    ~TPgQuery() override;

    bool CanModify(int column) const override;
    void Post(int row, const std::map<int, QVariant>& changes) override;
    bool BlobLoadsSkipped() const override { return m_plan->SkipsBlobLoads(); }
    void PrefetchRecords(int first, int count) override;

protected:
    qint64 ReadLazyBlob(int row, int column, TStream* out) override;
    void ReadRange(qint64 firstKey, qint64 lastKey, const TVisit& visit) override;
    void ReadKeys(const std::vector<qint64>& keys, const TVisit& visit) override;

private:
    void DescribeColumns();
    void FetchKeys();
    void FetchRuns(TRecordKeys& keys, qint64 count, int wanted);
    void FetchRecords();
    // The lazy columns of the rows of keys, in one statement.
    void ReadBlobs(const std::vector<qint64>& keys, const TVisit& visit);
    // Visits the rows of a result whose first column is the key.
    static void VisitRows(const TPgResult& rows, const TVisit& visit);
    // The key of the row that record row comes from.
    qint64 RowKey(int row);
    QString BlobAction(int column) const;
    [[noreturn]] void FailGone(const QString& action, qint64 key) const;

    TPgConnection& m_connection;
    bool m_readOnly;
    TQuerySettings m_settings;
    std::unique_ptr<TPgResultPlan> m_plan;
};
