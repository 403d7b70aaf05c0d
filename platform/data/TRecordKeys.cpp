#include "TRecordKeys.h"

#include <algorithm>

void TRecordKeys::Append(qint64 key)
{
    if (m_runs.empty() || key != m_last + 1)
        m_runs.push_back({key, m_count});
    m_last = key;
    ++m_count;
}

void TRecordKeys::AppendRun(qint64 firstKey, int count)
{
    if (count <= 0)
        return;
    Append(firstKey);
    m_last = firstKey + count - 1;
    m_count += count - 1;
}

qint64 TRecordKeys::At(int index) const
{
    const auto after = std::upper_bound(m_runs.begin(), m_runs.end(), index,
                                        [](int i, const TRun& run) { return i < run.firstIndex; });
    const TRun& run = *(after - 1);
    return run.firstKey + (index - run.firstIndex);
}

TRecordKeys TRecordKeys::Of(const std::vector<qint64>& keys, int maxRecords)
{
    const std::size_t count =
        maxRecords == 0 ? keys.size() : std::min(keys.size(), std::size_t(maxRecords));
    TRecordKeys result;
    for (std::size_t i = 0; i < count; ++i)
        result.Append(keys[i]);
    return result;
}
