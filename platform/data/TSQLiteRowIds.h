#pragma once

#include <QtGlobal>
#include <vector>

// The row ids of a query's records in record order (rising, but for a find's records),
// kept as runs of consecutive ids: a category whose pictures were added together is one
// run, so a million records cost a few bytes, and scattered ones at most 16 bytes each.
// At() finds any record's row id by a binary search over the runs.
class TSQLiteRowIds {
public:
    // Adds the row id of the next record.
    void Append(qint64 rowId);
    // Adds count records whose row ids follow each other from firstRowId on, all greater
    // than the last one.
    void AppendRun(qint64 firstRowId, int count);
    int Count() const { return m_count; }
    // The row id of record index (0-based, below Count()).
    qint64 At(int index) const;

private:
    struct TRun {
        qint64 firstRowId;
        int firstIndex;
    };

    std::vector<TRun> m_runs;
    int m_count = 0;
    qint64 m_last = 0;
};
