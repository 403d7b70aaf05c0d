#pragma once

#include "TField.h"
#include "TPgStatementShape.h"

#include <QString>
#include <QStringList>
#include <vector>

class TPgConnection;
class TPgTableInfoCache;

// What a query's result columns are on a PostgreSQL server and how its records are read,
// for TPgQuery. The server describes the statement without running it: each column's
// type and, for a column that shows a table column, that table and column.
//
// When the statement reads one table (TPgStatementShape::SingleRelation) and the result
// holds the table's single-column integer primary key, each record names its row by that
// key: its bytea columns are then read only when asked for, row by row by key, and its
// columns can be written back. When besides nothing orders, groups or limits the rows, every
// result column is a column of that table and their names differ, the records are walked
// by key: the statement stands inside others (never rewritten) that count the records,
// find their keys, and return the records of a key range in key order (keyset pages by
// the key, never OFFSET), the bytea columns left out. Any other statement is read whole,
// leaving out the bytea columns read by key where the column names allow naming them.
class TPgResultPlan {
public:
    struct TColumn {
        QString name;
        unsigned type = 0;
        TFieldType fieldType = TFieldType::ftUnknown;
        // The table column shown, quoted for SQL; empty for an expression or another table.
        QString origin;
        bool isKey = false;
        // Read by key when asked for, never with the records.
        bool lazy = false;
    };

    // How errors of opening a query begin.
    static inline const QString QueryAction = QStringLiteral("Cannot run the query on catalogue");

    // Raises EDatabaseError (text: action, server and cause) when the statement does not
    // compile or returns no columns. What the catalog says of the table read comes from
    // tables.
    TPgResultPlan(TPgConnection& connection, const QString& sql, TPgTableInfoCache& tables);

    const std::vector<TColumn>& Columns() const { return m_columns; }
    bool WalksByKey() const { return m_walks; }
    // The result column holding the record's key, or -1.
    int KeyColumn() const { return m_keyColumn; }
    // True when no statement run fetches the lazy columns.
    bool SkipsBlobLoads() const { return m_skipsBlobLoads; }

    // Walked by key: the count of the records; their first and last keys; the start of
    // each run of consecutive keys with its record index; the records whose keys lie
    // between $1 and $2, and those whose keys are among $1 (bigint[]), the key in front of
    // the result's columns.
    QString CountSql() const;
    QString EndsSql() const;
    QString RunsSql() const;
    QString RangeSql() const;
    QString KeysSql() const;
    // Read whole: every record, in the result's columns.
    QString RecordsSql() const;
    // The value of a lazy column of the row whose key is $1, or its size only.
    QString BlobSql(int column, bool sizeOnly) const;
    // The lazy columns (LazyColumns(), in that order) of the rows whose keys are among $1
    // (bigint[]), after the key.
    QString BlobsSql() const;
    // The result columns read by key when asked for.
    std::vector<int> LazyColumns() const;
    // Sets the origins of columns (in this order, from $1 on) in the row whose key is the
    // next parameter.
    QString UpdateSql(const std::vector<int>& columns) const;

private:
    void DescribeColumns(TPgConnection& connection, const QString& sql, TPgTableInfoCache& cache);
    void FindKey(TPgConnection& connection, TPgTableInfoCache& cache,
                 const std::vector<unsigned>& tables, const std::vector<int>& tableColumns);
    bool NamesDiffer() const;
    // The result's columns as the wrapped statement names them, lazy ones as NULL.
    QString WrappedColumns() const;
    QString Wrapped(const QString& form) const;

    TPgStatementShape m_shape;
    std::vector<TColumn> m_columns;
    QString m_table; // the one table, quoted (schema-qualified where needed)
    QString m_key;   // its key column, quoted
    int m_keyColumn = -1;
    bool m_walks = false;
    bool m_skipsBlobLoads = false;
};
