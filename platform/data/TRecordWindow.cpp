#include "TRecordWindow.h"

#include "IKeyRangeReader.h"
#include "TRecordKeys.h"
#include "TRowsOfKeys.h"

#include <algorithm>
#include <utility>

TRecordWindow::TRecordWindow(std::vector<int> columnSlots, int slotCount, int capacity)
    : m_slots(std::move(columnSlots))
    , m_slotCount(slotCount)
    , m_capacity(std::max(1, capacity))
{}

void TRecordWindow::Hold(IKeyRangeReader& reader, const TRecordKeys& keys, int first, int count)
{
    if (Holds(first, count))
        return;
    // Centred on the records, so that walking either way finds their neighbours held.
    // Just opened, a page or a few are shown first: the window fills once walked beyond.
    const int wanted = std::clamp(count, 1, m_capacity);
    const int size = std::min(
        m_held == 0 ? std::max(wanted, std::min(m_capacity, firstFill)) : m_capacity, keys.Count());
    const int start = std::clamp(first + wanted / 2 - size / 2, 0, keys.Count() - size);
    Fetch(reader, keys, start, size);
}

bool TRecordWindow::Holds(int first, int count) const
{
    const int last = first + std::clamp(count, 1, m_capacity) - 1;
    return Holds(first) && Holds(last);
}

// A category is one long run of close keys or a few, each read as one range; a find's
// scattered records are read all together by their keys rather than with every row
// between them.
void TRecordWindow::Fetch(IKeyRangeReader& reader, const TRecordKeys& keys, int first, int count)
{
    m_held = 0;
    m_values.assign(std::size_t(count) * std::size_t(m_slotCount), QVariant());
    m_first = first;
    const int end = first + count;
    std::vector<int> scattered;
    for (int start = first; start < end;) {
        int stop = start + 1;
        while (stop < end && keys.At(stop) > keys.At(stop - 1) &&
               keys.At(stop) - keys.At(stop - 1) <= largestGap)
            ++stop;
        if (stop - start >= shortestRange) {
            FetchRun(reader, keys, start, stop);
        } else {
            for (int row = start; row < stop; ++row)
                scattered.push_back(row);
        }
        start = stop;
    }
    if (!scattered.empty())
        FetchScattered(reader, keys, scattered);
    m_held = count;
}

void TRecordWindow::FetchRun(IKeyRangeReader& reader, const TRecordKeys& keys, int first, int end)
{
    int row = first;
    reader.ReadRange(keys.At(first), keys.At(end - 1),
                     [&](qint64 key, const std::function<QVariant(int)>& value) {
                         // Rows added meanwhile between the records are not records here.
                         while (row < end && keys.At(row) < key)
                             ++row;
                         if (row == end || keys.At(row) != key)
                             return;
                         Keep(row, value);
                         ++row;
                     });
}

void TRecordWindow::FetchScattered(IKeyRangeReader& reader, const TRecordKeys& keys,
                                   const std::vector<int>& rows)
{
    TRowsOfKeys wanted;
    for (const int row : rows)
        wanted.Add(keys.At(row), row);
    reader.ReadKeys(wanted.Keys(), [&](qint64 key, const std::function<QVariant(int)>& value) {
        wanted.ForEachRow(key, [&](int row) { Keep(row, value); });
    });
}

void TRecordWindow::Keep(int row, const std::function<QVariant(int)>& value)
{
    for (std::size_t column = 0; column < m_slots.size(); ++column) {
        if (m_slots[column] >= 0)
            m_values[Index(row, int(column))] = value(int(column));
    }
}

std::size_t TRecordWindow::Index(int row, int column) const
{
    return std::size_t(row - m_first) * std::size_t(m_slotCount) +
           std::size_t(m_slots[std::size_t(column)]);
}

const QVariant& TRecordWindow::Value(int row, int column) const
{
    return m_values[Index(row, column)];
}

void TRecordWindow::Store(int row, int column, const QVariant& value)
{
    if (Holds(row) && m_slots[std::size_t(column)] >= 0)
        m_values[Index(row, column)] = value;
}
