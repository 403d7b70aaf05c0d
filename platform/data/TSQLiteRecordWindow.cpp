#include "TSQLiteRecordWindow.h"

#include "TSQLiteRowIds.h"
#include "TSQLiteStatement.h"

#include <QScopeGuard>
#include <QVariant>
#include <algorithm>
#include <utility>

TSQLiteRecordWindow::TSQLiteRecordWindow(std::vector<int> columnSlots, int slotCount, int capacity)
    : m_slots(std::move(columnSlots))
    , m_slotCount(slotCount)
    , m_capacity(std::max(1, capacity))
{}

void TSQLiteRecordWindow::Hold(TSQLiteStatement& window, const TSQLiteRowIds& rowIds, int row)
{
    if (Holds(row))
        return;
    // Centred on the record, so that walking either way finds its neighbours held.
    const int count = std::min(m_capacity, rowIds.Count());
    const int first = std::clamp(row - count / 2, 0, rowIds.Count() - count);
    Fetch(window, rowIds, first, count);
}

// The records are read in runs of rising row ids that lie close together, one window
// statement each: a category is one run or a few, and a find's scattered records are
// read one by one rather than with every row between them.
void TSQLiteRecordWindow::Fetch(TSQLiteStatement& window, const TSQLiteRowIds& rowIds, int first,
                                int count)
{
    m_held = 0;
    m_values.assign(std::size_t(count) * std::size_t(m_slotCount), QVariant());
    // Reset at once: a statement left stepping would keep a read lock on the file.
    const auto reset = qScopeGuard([&] { window.Reset(); });
    m_first = first;
    const int end = first + count;
    for (int start = first; start < end;) {
        int stop = start + 1;
        while (stop < end && rowIds.At(stop) > rowIds.At(stop - 1) &&
               rowIds.At(stop) - rowIds.At(stop - 1) <= largestGap)
            ++stop;
        FetchRun(window, rowIds, start, stop);
        start = stop;
    }
    m_held = count;
}

void TSQLiteRecordWindow::FetchRun(TSQLiteStatement& window, const TSQLiteRowIds& rowIds, int first,
                                   int end)
{
    window.Reset();
    window.Bind(1, rowIds.At(first));
    window.Bind(2, rowIds.At(end - 1));
    int row = first;
    while (row < end && window.Step()) {
        const qint64 rowId = window.ColumnInt64(0);
        // Rows added meanwhile between the records are not records of this query.
        while (row < end && rowIds.At(row) < rowId)
            ++row;
        if (row == end || rowIds.At(row) != rowId)
            continue;
        for (std::size_t column = 0; column < m_slots.size(); ++column) {
            if (m_slots[column] >= 0)
                m_values[Index(row, int(column))] = window.Column(int(column) + 1);
        }
        ++row;
    }
}

std::size_t TSQLiteRecordWindow::Index(int row, int column) const
{
    return std::size_t(row - m_first) * std::size_t(m_slotCount) +
           std::size_t(m_slots[std::size_t(column)]);
}

const QVariant& TSQLiteRecordWindow::Value(int row, int column) const
{
    return m_values[Index(row, column)];
}

void TSQLiteRecordWindow::Store(int row, int column, const QVariant& value)
{
    if (Holds(row) && m_slots[std::size_t(column)] >= 0)
        m_values[Index(row, column)] = value;
}
