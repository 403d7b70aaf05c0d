#include "TSQLiteStatement.h"

#include "Exception.h"
#include "TSQLiteDatabase.h"

#include <sqlite3.h>
#include <utility>

TSQLiteStatement::TSQLiteStatement(TSQLiteDatabase& database, const QString& sql, QString action)
    : m_database(&database)
    , m_action(std::move(action))
{
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(database.Handle(), text.constData(), int(text.size()), &m_stmt, &tail) !=
        SQLITE_OK)
        database.Fail(m_action);
    if (!m_stmt)
        throw EDatabaseError(QStringLiteral("%1 '%2': the SQL text holds no statement.")
                                 .arg(m_action, database.Path()));
    // Only whitespace and comments may follow: a second statement would never run.
    sqlite3_stmt* next = nullptr;
    const int rc = sqlite3_prepare_v2(database.Handle(), tail, -1, &next, nullptr);
    sqlite3_finalize(next);
    if (rc != SQLITE_OK || next) {
        Finalize();
        throw EDatabaseError(QStringLiteral("%1 '%2': the SQL text holds more than one statement.")
                                 .arg(m_action, database.Path()));
    }
}

TSQLiteStatement::~TSQLiteStatement()
{
    Finalize();
}

TSQLiteStatement::TSQLiteStatement(TSQLiteStatement&& other) noexcept
    : m_database(other.m_database)
    , m_stmt(std::exchange(other.m_stmt, nullptr))
    , m_action(std::move(other.m_action))
{}

TSQLiteStatement& TSQLiteStatement::operator=(TSQLiteStatement&& other) noexcept
{
    if (this != &other) {
        Finalize();
        m_database = other.m_database;
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_action = std::move(other.m_action);
    }
    return *this;
}

void TSQLiteStatement::Finalize()
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

bool TSQLiteStatement::Step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString text = m_database->ErrorText(m_action);
    sqlite3_reset(m_stmt);
    throw EDatabaseError(text);
}

void TSQLiteStatement::Reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void TSQLiteStatement::Bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (value.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        // An empty blob stays a blob (zero bytes), not NULL.
        rc = sqlite3_bind_blob64(m_stmt, index, bytes.isEmpty() ? "" : bytes.constData(),
                                 sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
    } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
    } else if (value.typeId() == QMetaType::Bool || value.typeId() == QMetaType::Int ||
               value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::UInt ||
               value.typeId() == QMetaType::Long || value.typeId() == QMetaType::Short) {
        rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
    } else {
        return BindText(index, value.toString().toUtf8());
    }
    if (rc != SQLITE_OK)
        m_database->Fail(m_action);
}

void TSQLiteStatement::BindText(int index, QByteArrayView utf8)
{
    if (sqlite3_bind_text64(m_stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK)
        m_database->Fail(m_action);
}

int TSQLiteStatement::ColumnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QVariant TSQLiteStatement::Column(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        const int size = sqlite3_column_bytes(m_stmt, column);
        // QByteArray(nullptr, 0) would be a null array; an empty blob is "" of length 0.
        return QVariant(size > 0 ? QByteArray(data, size) : QByteArray(""));
    }
    default:
        return QVariant();
    }
}

qint64 TSQLiteStatement::ColumnInt64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}
