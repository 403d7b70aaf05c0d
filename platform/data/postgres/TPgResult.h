#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct pg_result;

// Type identifiers of the server's column types that the data layer tells apart.
enum TPgType : unsigned {
    ptBool = 16,
    ptBytea = 17,
    ptInt8 = 20,
    ptInt2 = 21,
    ptInt4 = 23,
    ptText = 25,
    ptOid = 26,
    ptFloat4 = 700,
    ptFloat8 = 701,
    ptBpchar = 1042,
    ptVarchar = 1043,
    ptNumeric = 1700,
    ptInt8Array = 1016,
};

// The result of one statement on a PostgreSQL server (RAII over PGresult*): its rows and
// columns, each value read in the form the statement asked for (text or binary).
class TPgResult {
public:
    TPgResult() = default;
    explicit TPgResult(pg_result* result);
    ~TPgResult();
    TPgResult(TPgResult&& other) noexcept;
    TPgResult& operator=(TPgResult&& other) noexcept;
    TPgResult(const TPgResult&) = delete;
    TPgResult& operator=(const TPgResult&) = delete;

    pg_result* Handle() const { return m_result; }
    int Rows() const;
    int Columns() const;
    QString ColumnName(int column) const;
    unsigned ColumnType(int column) const;
    // For a column that shows a table's column: that table's identifier and the column's
    // number in it; 0 for an expression.
    unsigned ColumnTable(int column) const;
    int ColumnTableColumn(int column) const;

    bool IsNull(int row, int column) const;
    // The value's bytes as the server sent them (a binary result's raw value).
    QByteArray Bytes(int row, int column) const;
    QString Text(int row, int column) const;
    // An integer of either form.
    qint64 Int64(int row, int column) const;
    // A text result's value by its column's type: NULL as an invalid QVariant, integers
    // as qlonglong, floating point and numeric as double, bytea as QByteArray, booleans
    // as bool, anything else as its text.
    QVariant Value(int row, int column) const;
    // The number of rows an INSERT, UPDATE or DELETE touched.
    qint64 RowsAffected() const;

private:
    pg_result* m_result = nullptr;
};
