#pragma once

#include <QtGlobal>
#include <vector>

// The keys of a query's records in record order (rising, but for a find's records):
// SQLite row ids, or the primary key of a table on a server. They are kept as runs of
// consecutive keys: a category whose pictures were added together is one run, so a
// million records cost a few bytes, and scattered ones at most 16 bytes each. At() finds
// any record's key by a binary search over the runs.
class TRecordKeys {
public:
    // Adds the key of the next record.
    void Append(qint64 key);
    // Adds count records whose keys follow each other from firstKey on, all greater than
    // the last one.
    void AppendRun(qint64 firstKey, int count);
    int Count() const { return m_count; }
    // The key of record index (0-based, below Count()).
    qint64 At(int index) const;

    // The keys given for the records (a find's result), at most maxRecords of them (all
    // for 0).
    static TRecordKeys Of(const std::vector<qint64>& keys, int maxRecords);

private:
    struct TRun {
        qint64 firstKey;
        int firstIndex;
    };

    std::vector<TRun> m_runs;
    int m_count = 0;
    qint64 m_last = 0;
};
