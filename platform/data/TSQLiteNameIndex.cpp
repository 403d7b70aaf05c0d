#include "TSQLiteNameIndex.h"

#include "TSQLiteDatabase.h"
#include "TSQLiteStatement.h"
#include "TSQLiteTableInfo.h"

namespace {

const QString indexTable = QStringLiteral("picture_names");
const QString unkeyedTable = QStringLiteral("picture_names_unkeyed");
const QString insertTrigger = QStringLiteral("picture_names_insert");
const QString deleteTrigger = QStringLiteral("picture_names_delete");
const QString updateTrigger = QStringLiteral("picture_names_update");

constexpr qint64 rowIdOffset = qint64(1) << 31;
constexpr quint64 rowIdMask = 0xFFFFFFFFu;

// The SQL text of one row of picture: its columns named with a prefix ("new.", "old." or
// none) and its row id as the table names it.
class TRowSql {
public:
    TRowSql(const QString& prefix, const QString& rowId, const QStringList& columns)
        : m_prefix(prefix)
        , m_rowId(prefix + rowId)
        , m_columns(columns)
    {}

    QString Keyable() const
    {
        return QStringLiteral("%1 AND %2parent BETWEEN -2147483648 AND 2147483647 AND %3 "
                              "BETWEEN -2147483648 AND 2147483647")
            .arg(TSQLiteNameIndex::InCategory(m_prefix), m_prefix, m_rowId);
    }
    QString Key() const
    {
        return QStringLiteral("CAST(%1parent AS INTEGER) * 4294967296 + %2 + 2147483648")
            .arg(m_prefix, m_rowId);
    }
    QString Names() const
    {
        QStringList names;
        for (const QString& column : m_columns)
            names << m_prefix + column;
        return names.join(u", ");
    }
    // The statements that put the row into the index; from: " FROM picture" for every row.
    QString Adding(const QString& from = QString()) const
    {
        return QStringLiteral("INSERT INTO %1(rowid, %2) SELECT %3, %4%5 WHERE %6; "
                              "INSERT OR IGNORE INTO %7(id) SELECT %8%5 WHERE %9 AND NOT (%6);")
            .arg(indexTable, m_columns.join(u", "), Key(), Names(), from, Keyable(), unkeyedTable,
                 m_rowId, TSQLiteNameIndex::InCategory(m_prefix));
    }
    // The statements that take the row out of the index, handing it the indexed values.
    QString Removing() const
    {
        return QStringLiteral("INSERT INTO %1(%1, rowid, %2) SELECT 'delete', %3, %4 WHERE %5; "
                              "DELETE FROM %6 WHERE id = %7;")
            .arg(indexTable, m_columns.join(u", "), Key(), Names(), Keyable(), unkeyedTable,
                 m_rowId);
    }
    // True when the row differs from other in what the index keeps.
    QString Differs(const TRowSql& other) const
    {
        QStringList differences = {m_rowId + QStringLiteral(" IS NOT ") + other.m_rowId};
        for (const QString& column : QStringList{QStringLiteral("parent")} + m_columns)
            differences << m_prefix + column + QStringLiteral(" IS NOT ") + other.m_prefix + column;
        return differences.join(QStringLiteral(" OR "));
    }

private:
    QString m_prefix;
    QString m_rowId;
    QStringList m_columns;
};

} // namespace

QStringList TSQLiteNameIndex::NameColumns(const TSQLiteTableInfo& table)
{
    QStringList columns;
    for (const QString& column : {QStringLiteral("name"), QStringLiteral("file")}) {
        if (table.Has(column))
            columns << column;
    }
    return columns;
}

bool TSQLiteNameIndex::Exists(TSQLiteDatabase& database, const QString& action)
{
    TSQLiteStatement parts(database,
                           QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE "
                                          "(type = 'table' AND name IN (?1, ?2)) OR "
                                          "(type = 'trigger' AND name IN (?3, ?4, ?5))"),
                           action);
    int index = 1;
    for (const QString& name :
         {indexTable, unkeyedTable, insertTrigger, deleteTrigger, updateTrigger})
        parts.Bind(index++, name);
    return parts.Step() && parts.ColumnInt64(0) == 5;
}

bool TSQLiteNameIndex::KeysEveryPicture(TSQLiteDatabase& database, const QString& action)
{
    TSQLiteStatement unkeyed(
        database, QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(unkeyedTable), action);
    return unkeyed.Step() && unkeyed.ColumnInt64(0) == 0;
}

void TSQLiteNameIndex::Create(TSQLiteDatabase& database, const TSQLiteTableInfo& table,
                              const QString& action)
{
    database.Execute(
        QStringLiteral("DROP TRIGGER IF EXISTS %1; DROP TRIGGER IF EXISTS %2; "
                       "DROP TRIGGER IF EXISTS %3; DROP TABLE IF EXISTS %4; "
                       "DROP TABLE IF EXISTS %5;")
            .arg(insertTrigger, deleteTrigger, updateTrigger, indexTable, unkeyedTable),
        action);
    database.Execute(CreationSql(NameColumns(table), table.RowIdSql()), action);
}

QString TSQLiteNameIndex::CreationSql(const QStringList& columns, const QString& rowId)
{
    const TRowSql everyRow(QString(), rowId, columns);
    const TRowSql added(QStringLiteral("new."), rowId, columns);
    const TRowSql removed(QStringLiteral("old."), rowId, columns);
    // columnsize=0: no rank is asked for, so the index keeps no column sizes.
    return QStringLiteral("CREATE VIRTUAL TABLE %1 USING fts5(%2, content='', columnsize=0, "
                          "tokenize='trigram'); "
                          "CREATE TABLE %3(id INTEGER PRIMARY KEY); ")
               .arg(indexTable, columns.join(u", "), unkeyedTable) +
           everyRow.Adding(QStringLiteral(" FROM picture")) +
           QStringLiteral(" CREATE TRIGGER %1 AFTER INSERT ON picture BEGIN %2 END; "
                          "CREATE TRIGGER %3 AFTER DELETE ON picture BEGIN %4 END; "
                          "CREATE TRIGGER %5 AFTER UPDATE ON picture WHEN %6 BEGIN %7 %8 END;")
               .arg(insertTrigger, added.Adding(), deleteTrigger, removed.Removing(), updateTrigger,
                    removed.Differs(added), removed.Removing(), added.Adding());
}

QString TSQLiteNameIndex::Phrase(const QString& text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

qint64 TSQLiteNameIndex::RowIdOf(qint64 key)
{
    return qint64(quint64(key) & rowIdMask) - rowIdOffset;
}

QString TSQLiteNameIndex::InCategory(const QString& prefix)
{
    return QStringLiteral("%1parent = CAST(%1parent AS INTEGER)").arg(prefix);
}
