#include "TPgTableInfoCache.h"

#include <algorithm>

TPgTableInfo TPgTableInfoCache::Find(TPgConnection& connection, unsigned table,
                                     const std::vector<TShownColumn>& shown, const QString& action)
{
    const auto held = m_tables.constFind(table);
    if (held != m_tables.constEnd() &&
        std::all_of(shown.begin(), shown.end(), [&](const TShownColumn& column) {
            return held->columns.value(column.first) == column.second;
        }))
        return *held;
    const TPgTableInfo info = TPgTableInfo::ReadById(connection, table, action);
    if (info.Exists())
        m_tables.insert(table, info);
    else
        m_tables.remove(table);
    return info;
}
