#pragma once

#include <QSet>
#include <QString>

class TSQLiteDatabase;

// What SQLite's table_info and index_list say about one table: its columns and the
// column that is an alias of its row id, if any.
struct TSQLiteTableInfo {
    QSet<QString> columns; // lower case; empty when there is no such table
    QString rowIdAlias;    // the INTEGER PRIMARY KEY column that is the row id, if any

    // Reads the table; errors raise EDatabaseError whose text begins with action.
    static TSQLiteTableInfo Read(TSQLiteDatabase& database, const QString& schema,
                                 const QString& table, const QString& action);
    // True when an index of the table has column as its first column.
    static bool HasIndexOn(TSQLiteDatabase& database, const QString& table, const QString& column,
                           const QString& action);

    bool Has(const QString& column) const { return columns.contains(column.toLower()); }
    // How SQL names the row id: its alias, else the first of SQLite's names for it that is
    // not a column of the table; empty when every one is.
    QString RowIdName() const;
    // RowIdName as SQL text: the alias quoted, SQLite's own names bare (quoted, such a
    // name would be taken for a string where the table has no row id).
    QString RowIdSql() const;
};
