#pragma once

#include <QString>
#include <memory>

class QTemporaryDir;

// A private PostgreSQL server for tests (tests/support/postgres/private-postgres): a fresh
// cluster in a temporary folder, reached through a socket in that folder or a loopback
// port with TLS, its superuser trusted. Shared() is the test run's server, started by the
// run's CTest fixture (its state file in the build tree, or named by ZENTUVIO_TEST_POSTGRES),
// or, for a program run outside a test run, one started on first use and removed when the
// program ends. A test that stops and restarts a server makes one of its own.
class TPrivatePostgres {
public:
    // Starts a server of its own, removed again with the object.
    TPrivatePostgres();
    ~TPrivatePostgres();
    TPrivatePostgres(const TPrivatePostgres&) = delete;
    TPrivatePostgres& operator=(const TPrivatePostgres&) = delete;

    static TPrivatePostgres& Shared();

    // Why no server runs here (PostgreSQL's server is not installed); empty when one does.
    const QString& Unavailable() const { return m_unavailable; }

    // A URI of database through the server's socket, with more parameters ("a=b&c=d").
    QString SocketUri(const QString& database, const QString& parameters = {}) const;
    // A URI of database through loopback TCP as user (the superuser when empty).
    QString TcpUri(const QString& database, const QString& parameters = {},
                   const QString& user = {}) const;
    int Port() const { return m_port; }
    // The certificate that the server's own is signed with (it signs itself).
    const QString& CertificateFile() const { return m_certificate; }

    // A new, empty database of a name no other test process uses; returns the name.
    QString CreateDatabase();
    // Drops it, closing whatever connection is still open to it.
    void DropDatabase(const QString& name);
    // Runs sql as the superuser in the database postgres (roles, settings).
    void Admin(const QString& sql);

    // Stops the server and starts it again on the same port (a server of its own only).
    void Stop();
    void Start();

private:
    // The test run's server, described by its state file.
    explicit TPrivatePostgres(const QString& runStateFile);
    void Load();
    void Run(const QString& command) const;

    QString m_stateFile;
    std::unique_ptr<QTemporaryDir> m_stateFolder;
    bool m_owned;
    QString m_unavailable;
    QString m_socket;
    QString m_user;
    QString m_certificate;
    int m_port = 0;
};
