#include "TQueryRecords.h"

#include <algorithm>

void TQueryRecords::SetColumns(const std::vector<bool>& kept)
{
    m_slots.assign(kept.size(), -1);
    m_slotCount = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (kept[i])
            m_slots[i] = m_slotCount++;
    }
}

void TQueryRecords::Append(const std::function<QVariant(int)>& value)
{
    for (std::size_t column = 0; column < m_slots.size(); ++column) {
        if (m_slots[column] >= 0)
            m_values.push_back(value(int(column)));
    }
    ++m_count;
}

void TQueryRecords::WalkByKeys(TRecordKeys keys, int cacheSize)
{
    m_keys = std::move(keys);
    m_window = std::make_unique<TRecordWindow>(m_slots, m_slotCount, cacheSize);
    std::vector<bool> lazy;
    for (const int slot : m_slots)
        lazy.push_back(slot < 0);
    m_page = std::make_unique<TLazyValuePage>(lazy);
}

void TQueryRecords::ReplaceKeys(TRecordKeys keys)
{
    WalkByKeys(std::move(keys), m_window->Capacity());
}

void TQueryRecords::Hold(IKeyRangeReader& reader, int row)
{
    HoldRecords(reader, row, 1);
}

void TQueryRecords::HoldRecords(IKeyRangeReader& reader, int first, int count)
{
    if (!m_window || m_window->Holds(first, count))
        return;
    m_page->Clear();
    m_window->Hold(reader, m_keys, first, count);
}

void TQueryRecords::HoldPage(IKeyRangeReader& reader, int first, int count,
                             const TLazyValuePage::TRead& read)
{
    if (!m_window || count <= 0)
        return;
    HoldRecords(reader, first, count);
    const int end = std::min(first + count, m_window->First() + m_window->Held());
    m_page->Hold(m_keys, first, end - first, read);
}

const QVariant* TQueryRecords::PageValue(int row, int column) const
{
    return m_page ? m_page->Value(row, column) : nullptr;
}

const QVariant& TQueryRecords::Value(IKeyRangeReader& reader, int row, int column)
{
    Hold(reader, row);
    return m_window ? m_window->Value(row, column) : m_values[Index(row, column)];
}

void TQueryRecords::Store(int row, int column, const QVariant& value)
{
    if (!Kept(column)) {
        if (m_page)
            m_page->Store(row, column, value);
        return;
    }
    if (m_window)
        m_window->Store(row, column, value);
    else
        m_values[Index(row, column)] = value;
}

std::size_t TQueryRecords::Index(int row, int column) const
{
    return std::size_t(row) * std::size_t(m_slotCount) + std::size_t(m_slots[std::size_t(column)]);
}
