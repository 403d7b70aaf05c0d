#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

class TPgConnection;

// What the server's catalog says about one table: its name as SQL names it, its columns
// by number, and its primary key when that is a single integer column (the key by which
// a row is found). Only plain and partitioned tables: a view's rows have no key.
struct TPgTableInfo {
    QString name; // quoted, schema-qualified unless the search path finds it; empty: none
    QHash<int, QString> columns;
    int keyNumber = 0;

    // The table with that identifier, or the one the search path finds by that name.
    static TPgTableInfo ReadById(TPgConnection& connection, unsigned table, const QString& action);
    static TPgTableInfo ReadByName(TPgConnection& connection, const QString& table,
                                   const QString& action);

    bool Exists() const { return !name.isEmpty(); }
    // The number of the column called name, or else one whose name differs only in case;
    // 0 for none.
    int Find(const QString& column) const;
    // A column as SQL names it, quoted.
    QString Quoted(int number) const;

private:
    static TPgTableInfo Read(TPgConnection& connection, const QString& condition,
                             const QVariant& table, const QString& action);
};
