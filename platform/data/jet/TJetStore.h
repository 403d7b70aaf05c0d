#pragma once

#include "TDataStore.h"
#include "TJetCatalogueCache.h"
#include "TSQLiteStore.h"

#include <memory>

class TJetPictureFill;

// An Access (Jet) catalogue as the store of a connection: its SQLite copy
// (TJetCatalogueCache), browsed as any SQLite catalogue. While the copy's pictures are
// still coming (the first opening of the file), a query's pictures are awaited as they
// are read, so that each shows as it is stored; a query whose statements would read
// pictures themselves waits for all of them before it opens.
class TJetStore : public TDataStore {
public:
    explicit TJetStore(TJetCatalogueCache::TOpened opened);
    ~TJetStore() override;

    QString Location() const override;
    bool IsReadOnly() const override;
    qint64 BlobBytesRead() const override;
    void SetBusyTimeout(int milliseconds) override;
    std::unique_ptr<TStoreQuery> OpenQuery(const QString& sql,
                                           const TQuerySettings& settings) override;
    std::unique_ptr<TNameSearch> OpenNameSearch() override;

private:
    // Declared before the copy, so that they end after its connection has closed.
    std::unique_ptr<TJetPictureFill> m_fill;
    TJetCatalogueCache::TUsedOnce m_usedOnce;
    TSQLiteStore m_copy;
};
