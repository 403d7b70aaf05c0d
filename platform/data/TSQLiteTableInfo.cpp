#include "TSQLiteTableInfo.h"

#include "TSQLiteDatabase.h"
#include "TSQLiteStatement.h"

#include <QStringList>

TSQLiteTableInfo TSQLiteTableInfo::Read(TSQLiteDatabase& database, const QString& schema,
                                        const QString& table, const QString& action)
{
    TSQLiteTableInfo info;
    const QString prefix = QStringLiteral("PRAGMA %1.").arg(SQLiteQuoted(schema));
    TSQLiteStatement columns(
        database, prefix + QStringLiteral("table_info(%1)").arg(SQLiteQuoted(table)), action);
    QStringList primaryKey;
    QString primaryKeyType;
    while (columns.Step()) {
        const QString name = columns.Column(1).toString();
        info.columns.insert(name.toLower());
        if (columns.ColumnInt64(5) > 0) {
            primaryKey << name;
            primaryKeyType = columns.Column(2).toString();
        }
    }
    if (primaryKey.size() != 1 ||
        primaryKeyType.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) != 0)
        return info;
    // An INTEGER PRIMARY KEY is the row id unless SQLite made an index for it (as for
    // "INTEGER PRIMARY KEY DESC" or a WITHOUT ROWID table): then it is a plain column.
    TSQLiteStatement indexes(
        database, prefix + QStringLiteral("index_list(%1)").arg(SQLiteQuoted(table)), action);
    while (indexes.Step()) {
        if (indexes.Column(3).toString() == QLatin1String("pk"))
            return info;
    }
    info.rowIdAlias = primaryKey.front();
    return info;
}

bool TSQLiteTableInfo::HasIndexOn(TSQLiteDatabase& database, const QString& table,
                                  const QString& column, const QString& action)
{
    TSQLiteStatement indexes(
        database, QStringLiteral("PRAGMA index_list(%1)").arg(SQLiteQuoted(table)), action);
    while (indexes.Step()) {
        // Rank 0 of the index's columns is the one it is sorted by first.
        TSQLiteStatement first(
            database, QStringLiteral("SELECT name FROM pragma_index_info(?) WHERE seqno = 0"),
            action);
        first.Bind(1, indexes.Column(1));
        if (first.Step() && first.Column(0).toString().compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString TSQLiteTableInfo::RowIdName() const
{
    if (!rowIdAlias.isEmpty())
        return rowIdAlias;
    for (const char* name : {"rowid", "oid", "_rowid_"}) {
        if (!columns.contains(QLatin1String(name)))
            return QLatin1String(name);
    }
    return QString();
}

QString TSQLiteTableInfo::RowIdSql() const
{
    return rowIdAlias.isEmpty() ? RowIdName() : SQLiteQuoted(rowIdAlias);
}
