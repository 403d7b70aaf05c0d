#pragma once

#include <QString>

// Where a value lives in the database: schema ("main"), table and column, plus the name
// under which the table's row id is addressed in SQL (an INTEGER PRIMARY KEY column, or
// rowid/oid/_rowid_ when the table has no such alias).
struct TSQLiteColumnRef {
    QString schema;
    QString table;
    QString column;
    QString keyName;

    bool operator==(const TSQLiteColumnRef&) const = default;
};
