#include "TPgStore.h"

#include "TPgConnection.h"
#include "TPgNameSearch.h"
#include "TPgQuery.h"

#include <algorithm>

TPgStore::TPgStore(const QString& uri, bool readOnly, int busyTimeoutMs)
    : m_connection(std::make_unique<TPgConnection>(uri))
    , m_readOnly(readOnly)
{
    SetBusyTimeout(busyTimeoutMs);
}

TPgStore::~TPgStore() = default;

QString TPgStore::Location() const
{
    return m_connection->Location();
}

qint64 TPgStore::BlobBytesRead() const
{
    return m_connection->BlobBytesRead();
}

void TPgStore::SetBusyTimeout(int milliseconds)
{
    QString session = QStringLiteral("SET lock_timeout = %1").arg(std::max(0, milliseconds));
    if (m_readOnly)
        session += QStringLiteral("; SET default_transaction_read_only = on");
    m_connection->SetSessionSql(session);
}

std::unique_ptr<TStoreQuery> TPgStore::OpenQuery(const QString& sql, const TQuerySettings& settings)
{
    return std::make_unique<TPgQuery>(*m_connection, m_tables, m_readOnly, sql, settings);
}

std::unique_ptr<TNameSearch> TPgStore::OpenNameSearch()
{
    std::unique_ptr<TPgConnection> connection = m_connection->OpenAnother();
    connection->SetSessionSql(QStringLiteral("SET default_transaction_read_only = on"));
    return std::make_unique<TPgNameSearch>(std::move(connection));
}
