#pragma once

#include <QString>
#include <QVariant>

struct sqlite3_stmt;
class TSQLiteDatabase;

// One prepared statement (RAII over sqlite3_stmt*). Errors raise EDatabaseError with
// the database file and the cause, the text starting with the action the owner gave.
class TSQLiteStatement {
public:
    TSQLiteStatement() = default;
    // Prepares the one statement in sql. Raises when it does not compile, when the text
    // holds no statement or more than one.
    TSQLiteStatement(TSQLiteDatabase& database, const QString& sql, QString action);
    ~TSQLiteStatement();
    TSQLiteStatement(TSQLiteStatement&& other) noexcept;
    TSQLiteStatement& operator=(TSQLiteStatement&& other) noexcept;
    TSQLiteStatement(const TSQLiteStatement&) = delete;
    TSQLiteStatement& operator=(const TSQLiteStatement&) = delete;

    bool IsValid() const { return m_stmt != nullptr; }
    sqlite3_stmt* Handle() const { return m_stmt; }

    // Runs to the next row: true with a row, false when done. Raises on failure; the
    // statement is then reset.
    bool Step();
    void Reset();

    // Binds a value to the 1-based parameter: an invalid QVariant as NULL, QByteArray as
    // a blob, integers and bools as integers, floating point as real, anything else as text.
    void Bind(int index, const QVariant& value);
    // Binds text already in UTF-8, as text.
    void BindText(int index, QByteArrayView utf8);

    int ColumnCount() const;
    // The value of a column of the current row: NULL as an invalid QVariant, integers as
    // qlonglong, reals as double, text as QString, blobs as QByteArray.
    QVariant Column(int column) const;
    qint64 ColumnInt64(int column) const;

private:
    void Finalize();

    TSQLiteDatabase* m_database = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_action;
};
