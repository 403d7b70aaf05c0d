#include "TPrivatePostgres.h"

#include "TPgTestConnection.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <atomic>
#include <cerrno>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

namespace {

// Runs the server script with command and the state file; its exit status, -1 when it
// could not run. Without Qt's help, so that it also works once the application object
// has gone at the end of the program.
int RunScript(const QString& command, const QString& stateFile)
{
    QByteArray script(ZENTUVIO_PRIVATE_POSTGRES);
    QByteArray verb = command.toUtf8();
    QByteArray state = stateFile.toUtf8();
    char* arguments[] = {script.data(), verb.data(), state.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, script.constData(), nullptr, nullptr, arguments, environ) != 0)
        return -1;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QString WithParameters(const QString& uri, const QString& parameters)
{
    if (parameters.isEmpty())
        return uri;
    return uri + (uri.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
           parameters;
}

} // namespace

TPrivatePostgres::TPrivatePostgres()
    : m_stateFolder(std::make_unique<QTemporaryDir>())
    , m_owned(true)
{
    m_stateFile = m_stateFolder->filePath(QStringLiteral("server.state"));
    Run(QStringLiteral("start"));
    Load();
}

TPrivatePostgres::TPrivatePostgres(const QString& runStateFile)
    : m_stateFile(runStateFile)
    , m_owned(false)
{
    Load();
}

TPrivatePostgres::~TPrivatePostgres()
{
    if (m_owned)
        RunScript(QStringLiteral("stop"), m_stateFile);
}

TPrivatePostgres& TPrivatePostgres::Shared()
{
    static const std::unique_ptr<TPrivatePostgres> server = [] {
        const QString runState = qEnvironmentVariable("ZENTUVIO_TEST_POSTGRES",
                                                      QStringLiteral(ZENTUVIO_RUN_POSTGRES_STATE));
        if (QFile::exists(runState))
            return std::unique_ptr<TPrivatePostgres>(new TPrivatePostgres(runState));
        return std::make_unique<TPrivatePostgres>();
    }();
    return *server;
}

void TPrivatePostgres::Run(const QString& command) const
{
    if (RunScript(command, m_stateFile) != 0)
        throw std::runtime_error("private-postgres " + command.toStdString() + " failed");
}

void TPrivatePostgres::Load()
{
    QFile state(m_stateFile);
    if (!state.open(QIODevice::ReadOnly))
        throw std::runtime_error("the private server's state file cannot be read");
    for (const QByteArray& line : state.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QString key = QString::fromUtf8(line.left(equals));
        const QString value = QString::fromUtf8(line.mid(equals + 1));
        if (key == QLatin1String("unavailable"))
            m_unavailable = value;
        else if (key == QLatin1String("socket"))
            m_socket = value;
        else if (key == QLatin1String("port"))
            m_port = value.toInt();
        else if (key == QLatin1String("user"))
            m_user = value;
        else if (key == QLatin1String("ca"))
            m_certificate = value;
    }
}

QString TPrivatePostgres::SocketUri(const QString& database, const QString& parameters) const
{
    // Concatenated: the encoded folder holds "%" signs that arg() would take for its own.
    const QString uri = QStringLiteral("postgresql:///") + database + QStringLiteral("?host=") +
                        QString::fromLatin1(QUrl::toPercentEncoding(m_socket)) +
                        QStringLiteral("&port=%1&user=%2").arg(m_port).arg(m_user);
    return WithParameters(uri, parameters);
}

QString TPrivatePostgres::TcpUri(const QString& database, const QString& parameters,
                                 const QString& user) const
{
    const QString uri = QStringLiteral("postgresql://%1@127.0.0.1:%2/%3")
                            .arg(user.isEmpty() ? m_user : user)
                            .arg(m_port)
                            .arg(database);
    return WithParameters(uri, parameters);
}

QString TPrivatePostgres::CreateDatabase()
{
    static std::atomic<int> made{0};
    const QString name =
        QStringLiteral("zentuvio_%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
    Admin(QStringLiteral("CREATE DATABASE %1").arg(name));
    return name;
}

void TPrivatePostgres::DropDatabase(const QString& name)
{
    Admin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
}

void TPrivatePostgres::Admin(const QString& sql)
{
    TPgTestConnection(SocketUri(QStringLiteral("postgres"))).Run(sql);
}

void TPrivatePostgres::Stop()
{
    Run(QStringLiteral("pause"));
}

void TPrivatePostgres::Start()
{
    Run(QStringLiteral("resume"));
}
