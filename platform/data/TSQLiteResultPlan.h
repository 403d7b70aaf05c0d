#pragma once

#include "TSQLiteColumnRef.h"
#include "TSQLiteStatement.h"
#include "TSQLiteTableInfo.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class TSQLiteDatabase;

// What a query's result columns are and how each is fetched. Used by TADOQuery to open a
// statement without reading every picture.
//
// The statement text is prepared exactly as given (never rewritten). SQLite's column
// metadata (sqlite3_column_table_name/origin_name, which Debian's libsqlite3 is built
// with) traces each result column to the table column it comes from. A blob column is
// fetched lazily when the result also holds its table's row id (an INTEGER PRIMARY KEY
// column such as ID, or rowid itself) and that row id identifies the blob's row without
// doubt: the statement is one plain SELECT (the authorizer reports one SELECT: no view,
// subquery, compound or CTE, for which SQLite reports the origin of the first SELECT only)
// and names the table once (no self-join). Opening then keeps only the key, and the blob is
// read later by row id (TSQLiteBlob); the same key lets Post write changed columns back. A
// blob column without such a key is fetched with the rows and kept in memory ("eager"),
// always correct but costing time and memory; its field cannot be modified.
//
// A plain SELECT of one table (one SELECT, the table named once, nothing but its columns
// read, no AS, ORDER, GROUP, DISTINCT, LIMIT, ... that the rewritten forms below would
// change the meaning of) is "keyed by row id": the records are the table's rows in row id
// order, walked by the row id every such table has, whether or not the result or even the
// table holds a key column. Statements are then derived from the text, each the text
// itself with the row id put in front of its columns and wrapped in a SELECT that SQLite
// flattens into one loop over the table or the index on the filter column: RowIdCount
// counts the records (as a plain count does), RowIdEnds returns the first and the last
// record's row id (a look-up each), RowIdScan steps the records' row ids only, and Window
// returns the records whose row ids lie between ?1 and ?2, the row id in front of the
// result's columns. So a query of a million records needs their row ids and the values of
// the few records around the one shown, never all of their values. Every blob column of
// such a query is lazy, keyed by the record's row id.
//
// Stepping a statement makes SQLite load every column it returns, overflow pages of large
// blobs included. So when it is safe, the statement that is stepped is prepared a second
// time with an authorizer that answers SQLITE_IGNORE for reads of the lazy blob columns;
// SQLite then returns NULL in their place and never touches their pages. It is safe when
// the blob column is read nowhere but as a plain result column: every read of it that the
// authorizer reports is one of the result columns, the statement is one plain SELECT (no
// subquery, view, compound or CTE), the blob keeps its own name, and the text has none of
// the words through which a result column can be referred to elsewhere (AS, ORDER,
// GROUP, HAVING, DISTINCT, WINDOW, OVER, ...). Otherwise the statement is stepped as it is:
// SQLite reads the blobs once and they are dropped at once, so only time is lost.
class TSQLiteResultPlan {
public:
    enum class TKind { Unknown, Integer, Float, Text, Blob };

    struct TColumn {
        QString name;
        QString declaredType;
        // Origin in a table; empty table for an expression.
        TSQLiteColumnRef origin;
        TKind kind = TKind::Unknown;
        // This column is the row id of its origin table (rowid, or its INTEGER PRIMARY KEY).
        bool isRowId = false;
        // The result column holding the row id of this column's origin table, or -1.
        int keyColumn = -1;
        // Blob fetched lazily by row id; its value in the stepped statement is not used.
        bool lazy = false;
        // The row id of this column's row is the record's row id (a query keyed by row id).
        bool keyedByRecord = false;
    };

    // Prepares sql; raises EDatabaseError (text: action, file and cause) when it does not
    // compile, changes the database or returns no columns.
    TSQLiteResultPlan(TSQLiteDatabase& database, const QString& sql);

    const std::vector<TColumn>& Columns() const { return m_columns; }
    // The statement to step once through all rows.
    TSQLiteStatement& Statement() { return m_statement; }
    // True when the stepped statement never loads the lazy blob columns (see above).
    bool SkipsBlobLoads() const { return m_skipsBlobLoads; }

    // True when the records are walked by row id (see above); then the statements below
    // are prepared and Statement is not to be stepped.
    bool KeyedByRowId() const { return m_window.IsValid(); }
    // Each prepared when asked for: a query opens with some of them, a find's result
    // with none.
    TSQLiteStatement RowIdCount();
    TSQLiteStatement RowIdEnds();
    TSQLiteStatement RowIdScan();
    TSQLiteStatement& Window() { return m_window; }
    // The records whose row ids are among ?1 to ?KeysPerLookUp (in any order; NULL in a
    // place holds none), the row id in front of their columns. Prepared when first asked
    // for, then kept.
    TSQLiteStatement& KeyLookUp();
    static constexpr int KeysPerLookUp = 64;

private:
    void DescribeColumns();
    void FindKeys(const QStringList& words);
    bool CanSkipBlobLoads(const QStringList& words) const;
    QString KeyedTable(const QStringList& words) const;
    void KeyByRowId(const QString& sql, const QStringList& words);
    // The columns of origin's table, read once.
    const TSQLiteTableInfo& TableOf(const TSQLiteColumnRef& origin);
    // The text with the row id in front (m_keyedSql) put in form's place of %1, prepared
    // with the lazy blob columns' reads ignored when the plan skips their loads.
    TSQLiteStatement PrepareKeyed(const QString& form);
    void SkipBlobLoads(const QString& sql);

    TSQLiteDatabase& m_database;
    std::vector<TColumn> m_columns;
    TSQLiteStatement m_statement;
    TSQLiteStatement m_window;
    TSQLiteStatement m_keyLookUp;
    QString m_keyedSql;
    // Reads ("schema.table.column", lower case) compiled as NULL: the lazy blob columns
    // once the plan skips their loads.
    QSet<QString> m_ignored;
    QHash<QString, TSQLiteTableInfo> m_tables; // by "schema.table", lower case
    bool m_skipsBlobLoads = false;
    // Authorizer reports of the first prepare: column reads by "schema.table.column" (lower
    // case) and the number of SELECTs.
    std::vector<QString> m_reads;
    int m_selects = 0;
};
