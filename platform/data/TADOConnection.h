#pragma once

#include "TComponent.h"
#include "TLayoutCodec.h"

#include <QString>
#include <memory>
#include <vector>

class TDataSet;
class TConnectionString;
class TDataStore;
class TNameSearch;

enum class TConnectMode {
    cmUnknown,
    cmRead,
    cmWrite,
    cmReadWrite,
    cmShareDenyRead,
    cmShareDenyWrite,
    cmShareExclusive,
    cmShareDenyNone
};
T_ENUM_NAMES(TConnectMode, "cmUnknown", "cmRead", "cmWrite", "cmReadWrite", "cmShareDenyRead",
             "cmShareDenyWrite", "cmShareExclusive", "cmShareDenyNone");

// A connection to the picture database, configured by an OLE DB connection string. The
// provider "Microsoft.Jet.OLEDB.4.0" is served by the store that "Data Source" names
// (TCatalogueStore): a file, told by its content, is an SQLite file ("\" separators in
// paths are read as "/") or an Access (Jet) file, which is only read: it is browsed
// through the gallery's private copy of it (TJetCatalogueCache), and a file that could be
// read only in part is reported once the query that opened it has finished; a
// postgresql:// URI names a catalogue on a PostgreSQL server (TPgStore). The store is
// opened on first use (the first query opens it) and stays open until Close or
// destruction, shared with other programs; a lock of theirs is waited for up to
// CommandTimeout.
//
// Accepted keys: Provider, Data Source, Mode ("Read" opens read-only, "Share Exclusive"
// locks other programs out of a file), and keys without meaning here (Persist Security
// Info, User ID, Password, Jet OLEDB:...), which are ignored: a server's user and password
// come from its URI and libpq's own places.
class TADOConnection : public TComponent {
    T_CLASS_INFO
public:
    static inline const QString JetProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");
    static constexpr int DefaultCommandTimeout = 30; // seconds

    explicit TADOConnection(TComponent* owner);
    ~TADOConnection() override;

    const QString& ConnectionString() const { return m_connectionString; }
    // Raises EDatabaseError while connected.
    void SetConnectionString(const QString& connectionString);
    bool Connected() const { return m_store != nullptr; }
    // Inside a layout the value is kept and applied in Loaded().
    void SetConnected(bool connected);
    // Opens the database now; raises EDatabaseError naming the file and the cause.
    void Open();
    // Closes every data set using the connection, then the database.
    void Close();

    // Kept for layouts; no login prompt is ever shown.
    bool LoginPrompt() const { return m_loginPrompt; }
    void SetLoginPrompt(bool loginPrompt) { m_loginPrompt = loginPrompt; }
    // Sharing and access: cmRead opens read-only, cmShareExclusive locks out others; the
    // default lets other programs read and write. Raises while connected.
    TConnectMode Mode() const { return m_mode; }
    void SetMode(TConnectMode mode);
    // How long to wait for another program's lock, in seconds (busy timeout).
    int CommandTimeout() const { return m_busyTimeoutMs / 1000; }
    void SetCommandTimeout(int seconds) { SetBusyTimeoutMs(seconds * 1000); }
    int BusyTimeoutMs() const { return m_busyTimeoutMs; }
    void SetBusyTimeoutMs(int milliseconds);
    // Kept for layouts: a server is waited for as long as its URI's connect_timeout says.
    int ConnectionTimeout() const { return m_connectionTimeout; }
    void SetConnectionTimeout(int seconds) { m_connectionTimeout = seconds; }

    // The provider and the catalogue's file or URI named by the connection string (parsed
    // anew).
    QString Provider() const;
    QString DatabasePath() const;

    // The open store, opening it first when needed.
    TDataStore& Store();
    // While open: why the catalogue cannot be changed whatever the mode (it is an Access
    // file), or an empty text.
    const QString& ReadOnlyReason() const { return m_readOnlyReason; }

    // A search of the catalogue's pictures by name, on a connection of its own to the
    // store, so that it can run on another thread (see TNameSearch); the catalogue is
    // opened first when needed.
    std::unique_ptr<TNameSearch> OpenNameSearch();

    int DataSetCount() const { return int(m_dataSets.size()); }
    // Called by data sets that use this connection.
    void AttachDataSet(TDataSet* dataSet);
    void DetachDataSet(TDataSet* dataSet);

protected:
    void Loaded() override;

private:
    void OpenJet(const QString& path);
    bool HasMode(const TConnectionString& settings, TConnectMode mode) const;

    QString m_connectionString;
    QString m_readOnlyReason;
    std::unique_ptr<TDataStore> m_store;
    bool m_streamedConnected = false;
    bool m_loginPrompt = true;
    TConnectMode m_mode = TConnectMode::cmUnknown;
    int m_busyTimeoutMs = DefaultCommandTimeout * 1000;
    int m_connectionTimeout = 15;
    std::vector<TDataSet*> m_dataSets;
};
