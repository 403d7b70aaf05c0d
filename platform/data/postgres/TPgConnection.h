#pragma once

#include "TPgResult.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

struct pg_conn;

// One connection to a PostgreSQL server (RAII over PGconn*), named by a connection URI
// (TPgUri). Connecting and every statement wait for the server on the calling thread
// without blocking in libpq: meanwhile busy indicators keep pulsing (TBusyPulse), so a
// wait box animates through a slow server or a long scan, and connecting gives up after
// the URI's connect timeout.
//
// Errors raise EDatabaseError whose text starts with the action, names the server by its
// URI without any password, and gives the server's cause. When the server goes away
// (restarted, unreachable, the connection cut), the connection is lost: the statement
// fails so, and the next operation connects again (RunAfresh); an operation that loses
// the connection part way is never carried on over a new one.
class TPgConnection {
public:
    enum class TFormat { Text, Binary };

    explicit TPgConnection(const QString& uri);
    ~TPgConnection();
    TPgConnection(const TPgConnection&) = delete;
    TPgConnection& operator=(const TPgConnection&) = delete;

    // The URI without its password: how messages name the server.
    const QString& Location() const { return m_location; }
    pg_conn* Handle() const { return m_conn; }
    bool IsLost() const;
    // Statements run on every new connection before anything else (session settings).
    void SetSessionSql(const QString& sql);
    // A new connection to the same database as this one.
    std::unique_ptr<TPgConnection> OpenAnother() const;
    // While set (a connection used on another thread than the interface's), waits for the
    // server ask interrupted() now and then instead of pulsing busy indicators; when it
    // says true, the server is asked to cancel the statement, and the statement raises
    // EAbort. The connection stays usable.
    void SetInterrupt(std::function<bool()> interrupted);

    // Runs one statement with the values of $1, $2, ... (an invalid QVariant as NULL, a
    // QByteArray as bytea, a QList<qlonglong> as bigint[], anything else as its text) and
    // returns its rows, each value in the form asked for.
    TPgResult Run(const QString& sql, const QString& action, const QVariantList& parameters = {},
                  TFormat format = TFormat::Text);
    // Runs statements that return no rows of interest.
    void Execute(const QString& sql, const QString& action);
    // Runs a statement that begins an operation of its own, as Run: a connection found
    // lost since the last operation (the server restarted, the network failed) is
    // replaced first, and once more when the statement finds it lost.
    TPgResult RunAfresh(const QString& sql, const QString& action,
                        const QVariantList& parameters = {}, TFormat format = TFormat::Text);
    // Inside a transaction: runs a query (with the values of $1, $2, ... as Run) through a
    // cursor and calls batch with each part of at most batchRows rows, until it returns
    // false or the rows are done.
    void ForEachBatch(const QString& sql, const QString& action, int batchRows,
                      const std::function<bool(const TPgResult&)>& batch,
                      const QVariantList& parameters = {});
    // Prepares sql as the unnamed statement without running it and returns the
    // description of its result columns (no rows).
    TPgResult Describe(const QString& sql, const QString& action);

    // The error text for action with the given cause, as the errors above read.
    QString ErrorText(const QString& action, const QString& cause) const;

    // Picture bytes fetched through this connection so far.
    qint64 BlobBytesRead() const { return m_blobBytesRead; }
    void CountBlobBytes(qint64 bytes) { m_blobBytesRead += bytes; }
    // Requests sent and answered so far: round trips to the server.
    qint64 RoundTrips() const { return m_roundTrips; }

private:
    // Connects, or raises with no connection left behind.
    void Connect();
    void Reconnect();
    void StartConnecting();
    // Waits until the socket can be read (or written too), pulsing; false at the
    // deadline (a negative one never comes).
    bool AwaitSocket(bool write, qint64 deadlineMs) const;
    // Keeps busy indicators alive, or raises EAbort when the wait was interrupted.
    void Beat() const;
    // Collects every result of the statement sent; raises on failure.
    TPgResult CollectResults(const QString& action);
    // Cancels the statement that was sent and lets go of what the server still sends;
    // a server that does not end it soon loses the connection instead.
    void Cancel();
    // Sends with send, then collects every result of the statement; raises on failure.
    TPgResult Collect(const std::function<int(pg_conn*)>& send, const QString& action);
    [[noreturn]] void FailWith(const QString& action, const pg_result* result) const;

    QString m_uri;
    QString m_location;
    QString m_sessionSql;
    pg_conn* m_conn = nullptr;
    std::function<bool()> m_interrupted;
    qint64 m_blobBytesRead = 0;
    qint64 m_roundTrips = 0;
};

// An identifier quoted for PostgreSQL: "name" with inner quotes doubled.
QString PgQuoted(const QString& identifier);
