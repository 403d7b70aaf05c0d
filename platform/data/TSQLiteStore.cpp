#include "TSQLiteStore.h"

#include "TSQLiteDatabase.h"
#include "TSQLiteNameSearch.h"
#include "TSQLiteQuery.h"

TSQLiteStore::TSQLiteStore(std::unique_ptr<TSQLiteDatabase> database)
    : m_database(std::move(database))
{}

TSQLiteStore::~TSQLiteStore() = default;

QString TSQLiteStore::Location() const
{
    return m_database->Path();
}

bool TSQLiteStore::IsReadOnly() const
{
    return m_database->IsReadOnly();
}

qint64 TSQLiteStore::BlobBytesRead() const
{
    return m_database->BlobBytesRead();
}

void TSQLiteStore::SetBusyTimeout(int milliseconds)
{
    m_database->SetBusyTimeout(milliseconds);
}

std::unique_ptr<TStoreQuery> TSQLiteStore::OpenQuery(const QString& sql,
                                                     const TQuerySettings& settings)
{
    return std::make_unique<TSQLiteQuery>(*m_database, sql, settings);
}

std::unique_ptr<TNameSearch> TSQLiteStore::OpenNameSearch()
{
    return TSQLiteNameSearch::Open(m_database->Path(), m_database->BusyTimeout());
}
