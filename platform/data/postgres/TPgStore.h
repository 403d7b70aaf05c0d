#pragma once

#include "TDataStore.h"
#include "TPgTableInfoCache.h"

#include <memory>

class TPgConnection;

// A catalogue on a PostgreSQL server, named by a connection URI (TPgUri), as the store of a
// connection (TADOConnection): one connection to the server serves every query (TPgQuery),
// and what the catalog says of a table is asked once (TPgTableInfoCache).
// Connecting waits at most the URI's connect timeout. Opened read-only, every transaction
// is a read-only one (a role with nothing but SELECT on the table is enough for browsing).
// Another program's lock is waited for up to the busy timeout (lock_timeout).
class TPgStore : public TDataStore {
public:
    // Connects now; raises EDatabaseError naming the server and the cause.
    TPgStore(const QString& uri, bool readOnly, int busyTimeoutMs);
    ~TPgStore() override;

    TPgConnection& Connection() const { return *m_connection; }

    QString Location() const override;
    bool IsReadOnly() const override { return m_readOnly; }
    qint64 BlobBytesRead() const override;
    void SetBusyTimeout(int milliseconds) override;
    std::unique_ptr<TStoreQuery> OpenQuery(const QString& sql,
                                           const TQuerySettings& settings) override;
    std::unique_ptr<TNameSearch> OpenNameSearch() override;

private:
    std::unique_ptr<TPgConnection> m_connection;
    TPgTableInfoCache m_tables;
    bool m_readOnly;
};
