#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class TNameSearch;
class TStoreQuery;

// What a query asks of the store when it opens (TADOQuery's settings).
struct TQuerySettings {
    // Most records whose values are held at once, for a query walked by key.
    int cacheSize = 1;
    // Most records to fetch; 0 for all.
    int maxRecords = 0;
    // How long opening and posting wait for another program's lock, in milliseconds.
    int busyTimeoutMs = 30 * 1000;
    // For a query walked by key: the keys of its records, in their order (a find's
    // result), instead of the rows that the statement selects. Other queries ignore them.
    std::optional<std::vector<qint64>> recordKeys;
};

// The open database behind a connection (TADOConnection): a catalogue file kept by
// SQLite (an Access file through its SQLite copy), or a catalogue on a PostgreSQL server.
// Nothing above the data layer sees it: the components talk to TADOConnection and
// TADOQuery, whichever store is behind them.
class TDataStore {
public:
    virtual ~TDataStore() = default;

    // The file, or the server's URI without any password: how messages name the store.
    virtual QString Location() const = 0;
    // True when it was opened only to be read.
    virtual bool IsReadOnly() const = 0;
    // Picture bytes read so far (so tests can see that opening a category reads none).
    virtual qint64 BlobBytesRead() const = 0;
    // How long a statement waits for another program's lock, in milliseconds.
    virtual void SetBusyTimeout(int milliseconds) = 0;
    // Runs a query statement; raises EDatabaseError naming the store and the cause.
    virtual std::unique_ptr<TStoreQuery> OpenQuery(const QString& sql,
                                                   const TQuerySettings& settings) = 0;
    // A search of the catalogue's pictures by name, on a connection of its own to the
    // store (see TNameSearch).
    virtual std::unique_ptr<TNameSearch> OpenNameSearch() = 0;
};
