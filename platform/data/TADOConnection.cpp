#include "TADOConnection.h"

#include "Exception.h"
#include "TCatalogueStore.h"
#include "TClassInfo.h"
#include "TConnectionString.h"
#include "TDataSet.h"
#include "TErrorReport.h"
#include "TJetCatalogueCache.h"
#include "TJetStore.h"
#include "TNameSearch.h"
#include "TPgStore.h"
#include "TPgUri.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteStore.h"

#include <algorithm>

const TClassInfo& TADOConnection::StaticClassInfo()
{
    static const TClassInfo info(
        "TADOConnection", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TADOConnection>();
            c.Property("CommandTimeout", &TADOConnection::CommandTimeout,
                       &TADOConnection::SetCommandTimeout, DefaultCommandTimeout);
            c.Property("Connected", &TADOConnection::Connected, &TADOConnection::SetConnected,
                       false);
            c.Property("ConnectionString", &TADOConnection::ConnectionString,
                       &TADOConnection::SetConnectionString, QString());
            c.Property("ConnectionTimeout", &TADOConnection::ConnectionTimeout,
                       &TADOConnection::SetConnectionTimeout, 15);
            c.Property("LoginPrompt", &TADOConnection::LoginPrompt, &TADOConnection::SetLoginPrompt,
                       true);
            c.Property("Mode", &TADOConnection::Mode, &TADOConnection::SetMode,
                       TConnectMode::cmUnknown);
        });
    return info;
}

TADOConnection::TADOConnection(TComponent* owner)
    : TComponent(owner)
{}

TADOConnection::~TADOConnection()
{
    // The data sets clear their reference in Notification, after this body.
    Close();
}

void TADOConnection::SetConnectionString(const QString& connectionString)
{
    if (connectionString == m_connectionString)
        return;
    if (Connected())
        throw EDatabaseError(
            QStringLiteral("%1: Cannot change the connection string of an open connection")
                .arg(Name()));
    m_connectionString = connectionString;
}

void TADOConnection::SetConnected(bool connected)
{
    if (IsLoading()) {
        m_streamedConnected = connected;
        return;
    }
    if (connected)
        Open();
    else
        Close();
}

void TADOConnection::Loaded()
{
    TComponent::Loaded();
    if (m_streamedConnected)
        Open();
}

void TADOConnection::SetMode(TConnectMode mode)
{
    if (mode == m_mode)
        return;
    if (Connected())
        throw EDatabaseError(
            QStringLiteral("%1: Cannot change the mode of an open connection").arg(Name()));
    m_mode = mode;
}

void TADOConnection::SetBusyTimeoutMs(int milliseconds)
{
    m_busyTimeoutMs = std::max(0, milliseconds);
    if (m_store)
        m_store->SetBusyTimeout(m_busyTimeoutMs);
}

QString TADOConnection::Provider() const
{
    return TConnectionString::Parse(m_connectionString).Value(QStringLiteral("Provider"));
}

QString TADOConnection::DatabasePath() const
{
    QString path =
        TConnectionString::Parse(m_connectionString).Value(QStringLiteral("Data Source"));
    // The catalogue handlers build paths with "\" separators ("...\Data\Mirelvane.mdb").
    if (!TPgUri::IsUri(path))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

void TADOConnection::Open()
{
    if (m_store)
        return;
    const TConnectionString settings = TConnectionString::Parse(m_connectionString);
    const QString provider = settings.Value(QStringLiteral("Provider")).trimmed();
    if (provider.isEmpty())
        throw EDatabaseError(QStringLiteral("%1: the connection string names no provider; "
                                            "Provider=%2 is expected.")
                                 .arg(Name(), JetProvider));
    if (provider.compare(JetProvider, Qt::CaseInsensitive) != 0)
        throw EDatabaseError(QStringLiteral("Provider cannot be found. It may not be properly "
                                            "installed. (Provider '%1'; only %2 is served.)")
                                 .arg(provider, JetProvider));
    const QString location = DatabasePath();
    if (location.trimmed().isEmpty())
        throw EDatabaseError(
            QStringLiteral("%1: the connection string names no database file (Data Source).")
                .arg(Name()));
    m_readOnlyReason.clear();
    switch (TCatalogueStore::Detect(location)) {
    case TCatalogueStore::TKind::Jet:
        OpenJet(location);
        break;
    case TCatalogueStore::TKind::PostgreSQL:
        m_store = std::make_unique<TPgStore>(location, HasMode(settings, TConnectMode::cmRead),
                                             m_busyTimeoutMs);
        break;
    case TCatalogueStore::TKind::SQLite:
        m_store = std::make_unique<TSQLiteStore>(std::make_unique<TSQLiteDatabase>(
            location,
            HasMode(settings, TConnectMode::cmRead) ? TSQLiteDatabase::TAccess::ReadOnly
                                                    : TSQLiteDatabase::TAccess::ReadWrite,
            m_busyTimeoutMs, HasMode(settings, TConnectMode::cmShareExclusive)));
        break;
    }
}

// mode as the Mode property or the connection string's Mode key ("Read", "Share
// Exclusive", several joined by "|") asks for it.
bool TADOConnection::HasMode(const TConnectionString& settings, TConnectMode mode) const
{
    const QStringList modes = settings.Value(QStringLiteral("Mode"))
                                  .toLower()
                                  .remove(QLatin1Char(' '))
                                  .split(QLatin1Char('|'), Qt::SkipEmptyParts);
    const QString name =
        mode == TConnectMode::cmRead ? QStringLiteral("read") : QStringLiteral("shareexclusive");
    return m_mode == mode || modes.contains(name);
}

// The rows of a damaged file that could be read are shown; the report that the rest could
// not be read comes once the query that opened the connection has finished.
void TADOConnection::OpenJet(const QString& path)
{
    TJetCatalogueCache::TOpened opened = TJetCatalogueCache::Open(path, m_busyTimeoutMs);
    const QString problem = opened.problem;
    m_store = std::make_unique<TJetStore>(std::move(opened));
    m_readOnlyReason = TCatalogueStore::ReadOnlyReason(TCatalogueStore::TKind::Jet, path);
    if (!problem.isEmpty())
        TErrorReport::ShowLater(EDatabaseError(problem));
}

void TADOConnection::Close()
{
    const std::vector<TDataSet*> dataSets = m_dataSets;
    for (TDataSet* dataSet : dataSets)
        dataSet->Close();
    m_store.reset();
}

TDataStore& TADOConnection::Store()
{
    Open();
    return *m_store;
}

std::unique_ptr<TNameSearch> TADOConnection::OpenNameSearch()
{
    return Store().OpenNameSearch();
}

void TADOConnection::AttachDataSet(TDataSet* dataSet)
{
    if (std::find(m_dataSets.begin(), m_dataSets.end(), dataSet) == m_dataSets.end())
        m_dataSets.push_back(dataSet);
}

void TADOConnection::DetachDataSet(TDataSet* dataSet)
{
    std::erase(m_dataSets, dataSet);
}
