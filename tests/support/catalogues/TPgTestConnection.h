#pragma once

#include <QString>
#include <QVariant>
#include <memory>

struct pg_conn;
struct pg_result;

// A plain libpq connection as another program on the team would hold one: what tests do
// on a server behind the gallery's back, never through the gallery's data layer. Calls
// block; a failure raises std::runtime_error with the server's message.
class TPgTestConnection {
public:
    struct TClearResult {
        void operator()(pg_result* result) const;
    };
    using TResult = std::unique_ptr<pg_result, TClearResult>;

    explicit TPgTestConnection(const QString& uri);
    ~TPgTestConnection();
    TPgTestConnection(const TPgTestConnection&) = delete;
    TPgTestConnection& operator=(const TPgTestConnection&) = delete;

    // Runs sql with $1, $2, ... (an invalid QVariant as NULL, a QByteArray as bytea);
    // rows come in text form, or binary when binary is set.
    TResult Run(const QString& sql, const QVariantList& parameters = {}, bool binary = false);
    // As Run, but a failure returns nothing and keeps the message in LastError.
    bool TryRun(const QString& sql);
    const QString& LastError() const { return m_lastError; }

    // The first value of the first row as text; empty for NULL or no row.
    QString Single(const QString& sql, const QVariantList& parameters = {});
    // The process id of this connection's server process.
    int BackendPid() const;
    // Whether a connection of the gallery to this database waits for a lock (one this
    // connection holds, say).
    bool GalleryWaitsForALock();
    // Ends the gallery's connection that waits for a lock, as a network failure would;
    // false when none waits.
    bool EndGalleryWaitingForALock();

private:
    TResult Send(const QString& sql, const QVariantList& parameters, bool binary);

    std::unique_ptr<pg_conn, void (*)(pg_conn*)> m_conn;
    QString m_lastError;
};
