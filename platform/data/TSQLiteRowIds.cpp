#include "TSQLiteRowIds.h"

#include <algorithm>

void TSQLiteRowIds::Append(qint64 rowId)
{
    if (m_runs.empty() || rowId != m_last + 1)
        m_runs.push_back({rowId, m_count});
    m_last = rowId;
    ++m_count;
}

void TSQLiteRowIds::AppendRun(qint64 firstRowId, int count)
{
    if (count <= 0)
        return;
    Append(firstRowId);
    m_last = firstRowId + count - 1;
    m_count += count - 1;
}

qint64 TSQLiteRowIds::At(int index) const
{
    const auto after = std::upper_bound(m_runs.begin(), m_runs.end(), index,
                                        [](int i, const TRun& run) { return i < run.firstIndex; });
    const TRun& run = *(after - 1);
    return run.firstRowId + (index - run.firstIndex);
}
