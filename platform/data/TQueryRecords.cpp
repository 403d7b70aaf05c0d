#include "TQueryRecords.h"

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
}

void TQueryRecords::ReplaceKeys(TRecordKeys keys)
{
    WalkByKeys(std::move(keys), m_window->Capacity());
}

void TQueryRecords::Hold(IKeyRangeReader& reader, int row)
{
    if (m_window)
        m_window->Hold(reader, m_keys, row);
}

const QVariant& TQueryRecords::Value(IKeyRangeReader& reader, int row, int column)
{
    Hold(reader, row);
    return m_window ? m_window->Value(row, column) : m_values[Index(row, column)];
}

void TQueryRecords::Store(int row, int column, const QVariant& value)
{
    if (!Kept(column))
        return;
    if (m_window)
        m_window->Store(row, column, value);
    else
        m_values[Index(row, column)] = value;
}

std::size_t TQueryRecords::Index(int row, int column) const
{
    return std::size_t(row) * std::size_t(m_slotCount) + std::size_t(m_slots[std::size_t(column)]);
}
