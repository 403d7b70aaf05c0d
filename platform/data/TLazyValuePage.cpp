#include "TLazyValuePage.h"

#include "TRecordKeys.h"
#include "TRowsOfKeys.h"

#include <algorithm>

TLazyValuePage::TLazyValuePage(const std::vector<bool>& lazy)
{
    for (const bool read : lazy)
        m_slots.push_back(read ? m_slotCount++ : -1);
}

void TLazyValuePage::Hold(const TRecordKeys& keys, int first, int count, const TRead& read)
{
    MoveTo(first, count);
    if (m_slotCount == 0)
        return;
    TRowsOfKeys wanted;
    for (int row = first; row < first + count; ++row) {
        if (m_states[std::size_t(row - m_first)] == TState::Unread)
            wanted.Add(keys.At(row), row);
    }
    if (wanted.Empty())
        return;
    read(wanted.Keys(), [&](qint64 key, const std::function<QVariant(int)>& value) {
        wanted.ForEachRow(key, [&](int row) {
            for (std::size_t column = 0; column < m_slots.size(); ++column) {
                if (m_slots[column] >= 0)
                    m_values[Index(row, int(column))] = value(int(column));
            }
            m_states[std::size_t(row - m_first)] = TState::Read;
        });
    });
    for (TState& state : m_states) {
        if (state == TState::Unread)
            state = TState::Gone;
    }
}

void TLazyValuePage::MoveTo(int first, int count)
{
    std::vector<TState> states(std::size_t(count), TState::Unread);
    std::vector<QVariant> values(std::size_t(count) * std::size_t(m_slotCount));
    for (int row = std::max(first, m_first); row < std::min(first + count, m_first + Count());
         ++row) {
        const std::size_t from = std::size_t(row - m_first);
        const std::size_t to = std::size_t(row - first);
        states[to] = m_states[from];
        std::move(m_values.begin() + std::ptrdiff_t(from) * m_slotCount,
                  m_values.begin() + std::ptrdiff_t(from + 1) * m_slotCount,
                  values.begin() + std::ptrdiff_t(to) * m_slotCount);
    }
    m_first = first;
    m_states = std::move(states);
    m_values = std::move(values);
}

const QVariant* TLazyValuePage::Value(int row, int column) const
{
    if (!Holds(row) || m_states[std::size_t(row - m_first)] != TState::Read ||
        m_slots[std::size_t(column)] < 0)
        return nullptr;
    return &m_values[Index(row, column)];
}

bool TLazyValuePage::Gone(int row) const
{
    return Holds(row) && m_states[std::size_t(row - m_first)] == TState::Gone;
}

void TLazyValuePage::Store(int row, int column, const QVariant& value)
{
    if (Value(row, column))
        m_values[Index(row, column)] = value;
}

std::size_t TLazyValuePage::Index(int row, int column) const
{
    return std::size_t(row - m_first) * std::size_t(m_slotCount) +
           std::size_t(m_slots[std::size_t(column)]);
}
