#include "TRowsOfKeys.h"

#include <algorithm>

void TRowsOfKeys::Add(qint64 key, int row)
{
    const std::pair<qint64, int> entry(key, row);
    m_rows.insert(std::upper_bound(m_rows.begin(), m_rows.end(), entry), entry);
}

std::vector<qint64> TRowsOfKeys::Keys() const
{
    std::vector<qint64> keys;
    for (const auto& [key, row] : m_rows) {
        if (keys.empty() || keys.back() != key)
            keys.push_back(key);
    }
    return keys;
}

std::vector<std::pair<qint64, int>>::const_iterator TRowsOfKeys::Find(qint64 key) const
{
    return std::lower_bound(m_rows.begin(), m_rows.end(), std::pair<qint64, int>(key, -1));
}
