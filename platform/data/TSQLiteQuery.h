#pragma once

#include "TDataStore.h"
#include "TSQLiteResultPlan.h"
#include "TStoreQuery.h"

#include <memory>

class TSQLiteDatabase;

// A query statement on an SQLite file. Blob columns are read from the file only when a
// field asks for them (see TSQLiteResultPlan for how and when), so opening a category
// reads no picture and memory follows the pictures shown.
//
// A plain SELECT of one table (the category queries) is walked by row id: opening steps
// only the records' row ids (a covering scan of the index on the filter column where
// there is one) and keeps them compactly; the values of at most the cache size of records
// around the one asked for are held and read together when another record is asked for.
// So opening, counting and jumping anywhere cost no more than the row ids, whatever the
// size of the category. Any other statement is run once and the values of its small
// columns and its row ids are kept for every record.
//
// While opening runs, SQLite calls TBusyPulse::Pulse every few thousand steps, so that a
// busy indicator can stay alive through one long scan of a large table.
//
// Post writes changed fields back with UPDATE ... WHERE <row id> = ?; a column can be
// modified when the row id of its table is known (walked by row id, or returned by the
// query) and the file is writable.
class TSQLiteQuery : public TStoreQuery {
public:
    TSQLiteQuery(TSQLiteDatabase& database, const QString& sql, const TQuerySettings& settings);
    ~TSQLiteQuery() override;

    bool CanModify(int column) const override;
    void Post(int row, const std::map<int, QVariant>& changes) override;
    bool BlobLoadsSkipped() const override { return m_plan->SkipsBlobLoads(); }

protected:
    qint64 ReadLazyBlob(int row, int column, TStream* out) override;
    // The row id of the row that column's value of record row comes from; invalid for none.
    QVariant RowKey(int row, int column);
    void ReadRange(qint64 firstKey, qint64 lastKey, const TVisit& visit) override;
    void ReadKeys(const std::vector<qint64>& keys, const TVisit& visit) override;

private:
    void DescribeColumns();
    void FetchRecords();
    void FetchRowIds();
    void UpdateTable(int row, int field, const std::map<QString, QVariant>& values);

    TSQLiteDatabase& m_database;
    TQuerySettings m_settings;
    std::unique_ptr<TSQLiteResultPlan> m_plan;
};
