#pragma once

#include <QVariant>
#include <functional>
#include <vector>

class IKeyRangeReader;
class TRecordKeys;

// The values of at most Capacity consecutive records of a query walked by key: the
// records around the one asked for, read through IKeyRangeReader: a run of at least
// shortestRange records whose keys rise by at most largestGap as one key range, the
// records of shorter runs (a find's scattered records) all together by their keys. Only
// the columns with a slot are kept. A record that another program removed meanwhile has
// NULL values; a row added meanwhile between the records is not one of them. A window
// that holds nothing yet (just opened, or its last read failed) reads at most firstFill
// records: what is shown first costs no more than a few pages.
class TRecordWindow {
public:
    // columnSlots: the slot of each result column, -1 for a column not kept.
    TRecordWindow(std::vector<int> columnSlots, int slotCount, int capacity);

    // Makes records first to first + count - 1 available (the first Capacity of them),
    // reading the records around them when they are not all held. Errors of the reader
    // pass on; the window then holds nothing.
    void Hold(IKeyRangeReader& reader, const TRecordKeys& keys, int first, int count = 1);
    // Are records first to first + count - 1 held (the first Capacity of them)?
    bool Holds(int first, int count) const;
    // The kept value of a column of a held record.
    const QVariant& Value(int row, int column) const;
    // Replaces a kept value of a held record; does nothing for other records.
    void Store(int row, int column, const QVariant& value);
    bool Holds(int row) const { return row >= m_first && row < m_first + m_held; }
    // The first record held, and the number held (at most Capacity).
    int First() const { return m_first; }
    int Held() const { return m_held; }
    int Capacity() const { return m_capacity; }

private:
    static constexpr qint64 largestGap = 16;
    static constexpr int shortestRange = 16;
    static constexpr int firstFill = 128;

    void Fetch(IKeyRangeReader& reader, const TRecordKeys& keys, int first, int count);
    // Reads records first to end (exclusive), whose keys rise.
    void FetchRun(IKeyRangeReader& reader, const TRecordKeys& keys, int first, int end);
    // Reads the records of rows (in any order) by their keys.
    void FetchScattered(IKeyRangeReader& reader, const TRecordKeys& keys,
                        const std::vector<int>& rows);
    void Keep(int row, const std::function<QVariant(int column)>& value);
    std::size_t Index(int row, int column) const;

    std::vector<int> m_slots;
    int m_slotCount;
    int m_capacity;
    int m_first = 0;
    int m_held = 0;
    std::vector<QVariant> m_values;
};
