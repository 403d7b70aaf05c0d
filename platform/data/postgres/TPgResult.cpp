#include "TPgResult.h"

#include <QtEndian>
#include <libpq-fe.h>
#include <utility>

TPgResult::TPgResult(pg_result* result)
    : m_result(result)
{}

TPgResult::~TPgResult()
{
    PQclear(m_result);
}

TPgResult::TPgResult(TPgResult&& other) noexcept
    : m_result(std::exchange(other.m_result, nullptr))
{}

TPgResult& TPgResult::operator=(TPgResult&& other) noexcept
{
    if (this != &other) {
        PQclear(m_result);
        m_result = std::exchange(other.m_result, nullptr);
    }
    return *this;
}

int TPgResult::Rows() const
{
    return m_result ? PQntuples(m_result) : 0;
}

int TPgResult::Columns() const
{
    return m_result ? PQnfields(m_result) : 0;
}

QString TPgResult::ColumnName(int column) const
{
    return QString::fromUtf8(PQfname(m_result, column));
}

unsigned TPgResult::ColumnType(int column) const
{
    return PQftype(m_result, column);
}

unsigned TPgResult::ColumnTable(int column) const
{
    return PQftable(m_result, column);
}

int TPgResult::ColumnTableColumn(int column) const
{
    return PQftablecol(m_result, column);
}

bool TPgResult::IsNull(int row, int column) const
{
    return PQgetisnull(m_result, row, column) == 1;
}

QByteArray TPgResult::Bytes(int row, int column) const
{
    return QByteArray(PQgetvalue(m_result, row, column), PQgetlength(m_result, row, column));
}

QString TPgResult::Text(int row, int column) const
{
    return QString::fromUtf8(PQgetvalue(m_result, row, column), PQgetlength(m_result, row, column));
}

qint64 TPgResult::Int64(int row, int column) const
{
    const char* value = PQgetvalue(m_result, row, column);
    const int length = PQgetlength(m_result, row, column);
    if (PQfformat(m_result, column) == 0)
        return QByteArray::fromRawData(value, length).toLongLong();
    switch (length) {
    case 2:
        return qFromBigEndian<qint16>(value);
    case 4:
        return qFromBigEndian<qint32>(value);
    default:
        return qFromBigEndian<qint64>(value);
    }
}

QVariant TPgResult::Value(int row, int column) const
{
    if (IsNull(row, column))
        return QVariant();
    switch (ColumnType(column)) {
    case ptInt2:
    case ptInt4:
    case ptInt8:
    case ptOid:
        return QVariant(qlonglong(Int64(row, column)));
    case ptFloat4:
    case ptFloat8:
    case ptNumeric:
        return QVariant(Text(row, column).toDouble());
    case ptBool:
        return QVariant(*PQgetvalue(m_result, row, column) == 't');
    case ptBytea: {
        std::size_t length = 0;
        unsigned char* bytes = PQunescapeBytea(
            reinterpret_cast<const unsigned char*>(PQgetvalue(m_result, row, column)), &length);
        QByteArray value(reinterpret_cast<const char*>(bytes), qsizetype(length));
        PQfreemem(bytes);
        return QVariant(value.isNull() ? QByteArray("") : value);
    }
    default:
        return QVariant(Text(row, column));
    }
}

qint64 TPgResult::RowsAffected() const
{
    return QByteArray(PQcmdTuples(m_result)).toLongLong();
}
