#include "TJetStore.h"

#include "TJetPictureFill.h"
#include "TJetQuery.h"
#include "TNameSearch.h"
#include "TSQLiteDatabase.h"
#include "TStoreQuery.h"

TJetStore::TJetStore(TJetCatalogueCache::TOpened opened)
    : m_fill(std::move(opened.fill))
    , m_usedOnce(std::move(opened.usedOnce))
    , m_copy(std::move(opened.database))
{}

TJetStore::~TJetStore() = default;

QString TJetStore::Location() const
{
    return m_copy.Location();
}

bool TJetStore::IsReadOnly() const
{
    return m_copy.IsReadOnly();
}

qint64 TJetStore::BlobBytesRead() const
{
    return m_copy.BlobBytesRead();
}

void TJetStore::SetBusyTimeout(int milliseconds)
{
    m_copy.SetBusyTimeout(milliseconds);
}

std::unique_ptr<TStoreQuery> TJetStore::OpenQuery(const QString& sql,
                                                  const TQuerySettings& settings)
{
    if (!m_fill || !m_fill->Bringing())
        return m_copy.OpenQuery(sql, settings);
    auto query = std::make_unique<TJetQuery>(m_copy.Database(), sql, settings, *m_fill);
    if (query->BlobLoadsSkipped())
        return query;
    // Its statements read pictures themselves (or none at all): they must all be in.
    query.reset();
    m_fill->AwaitAll();
    return m_copy.OpenQuery(sql, settings);
}

std::unique_ptr<TNameSearch> TJetStore::OpenNameSearch()
{
    return m_copy.OpenNameSearch();
}
