#include "TPgTableInfo.h"

#include "TPgConnection.h"

namespace {

const char* const tableSql =
    "SELECT c.oid::regclass::text, a.attnum, a.attname, "
    "COALESCE(a.attnum = ANY(k.indkey) AND k.indnatts = 1 AND a.atttypid IN (20, 21, 23), false) "
    "FROM pg_class c JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 "
    "AND NOT a.attisdropped LEFT JOIN pg_index k ON k.indrelid = c.oid AND k.indisprimary "
    "WHERE %1 AND c.relkind IN ('r', 'p') ORDER BY a.attnum";

} // namespace

TPgTableInfo TPgTableInfo::ReadById(TPgConnection& connection, unsigned table,
                                    const QString& action)
{
    return Read(connection, QStringLiteral("c.oid = $1::oid"), QVariant(table), action);
}

TPgTableInfo TPgTableInfo::ReadByName(TPgConnection& connection, const QString& table,
                                      const QString& action)
{
    return Read(connection, QStringLiteral("c.oid = to_regclass($1)"), QVariant(table), action);
}

TPgTableInfo TPgTableInfo::Read(TPgConnection& connection, const QString& condition,
                                const QVariant& table, const QString& action)
{
    const TPgResult rows =
        connection.Run(QString::fromLatin1(tableSql).arg(condition), action, {table});
    TPgTableInfo info;
    for (int row = 0; row < rows.Rows(); ++row) {
        info.name = rows.Text(row, 0);
        const int number = int(rows.Int64(row, 1));
        info.columns.insert(number, rows.Text(row, 2));
        if (rows.Value(row, 3).toBool())
            info.keyNumber = number;
    }
    return info;
}

int TPgTableInfo::Find(const QString& column) const
{
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
            if (it.value().compare(column, sensitivity) == 0)
                return it.key();
        }
    }
    return 0;
}

QString TPgTableInfo::Quoted(int number) const
{
    return PgQuoted(columns.value(number));
}
