#include "TPgConnection.h"

#include "Exception.h"
#include "TBusyPulse.h"
#include "TPgUri.h"

#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QStringList>
#include <QtEndian>
#include <array>
#include <cerrno>
#include <libpq-fe.h>
#include <poll.h>
#include <vector>

namespace {

const QString connectAction = QStringLiteral("Cannot connect to the catalogue server");
// How long a cancelled statement may take to end before the connection is given up.
constexpr int cancelWaitMs = 5000;
// SQLSTATE of a statement that names a table the database does not have.
constexpr const char* undefinedTable = "42P01";

// libpq's texts end in a line break and may run over several lines.
QString OneLine(const char* text)
{
    QString line = QString::fromUtf8(text).simplified();
    while (line.endsWith(QLatin1Char('.')))
        line.chop(1);
    return line;
}

QString Field(const pg_result* result, int field)
{
    const char* text = PQresultErrorField(result, field);
    return text ? OneLine(text) : QString();
}

// A statement's parameter as libpq takes it.
struct TParameter {
    QByteArray bytes;
    int format = 0; // 1 for binary
    Oid type = 0;   // 0: the server infers it
};

void AppendBigEndian(QByteArray& bytes, auto value)
{
    char part[sizeof value];
    qToBigEndian(value, part);
    bytes.append(part, qsizetype(sizeof value));
}

// The binary form of a one-dimensional bigint[] without NULLs: dimensions, NULL flag,
// element type, length and lower bound, then each element's length and value.
QByteArray Int8Array(const QList<qlonglong>& values)
{
    QByteArray bytes;
    AppendBigEndian(bytes, qint32(values.isEmpty() ? 0 : 1));
    AppendBigEndian(bytes, qint32(0));
    AppendBigEndian(bytes, quint32(ptInt8));
    if (!values.isEmpty()) {
        AppendBigEndian(bytes, qint32(values.size()));
        AppendBigEndian(bytes, qint32(1));
    }
    for (const qlonglong value : values) {
        AppendBigEndian(bytes, qint32(sizeof(qint64)));
        AppendBigEndian(bytes, qint64(value));
    }
    return bytes;
}

TParameter Encoded(const QVariant& value)
{
    if (value.typeId() == QMetaType::QByteArray)
        return {value.toByteArray(), 1, Oid(ptBytea)};
    if (value.metaType() == QMetaType::fromType<QList<qlonglong>>())
        return {Int8Array(value.value<QList<qlonglong>>()), 1, Oid(ptInt8Array)};
    return {value.toString().toUtf8(), 0, 0};
}

} // namespace

QString PgQuoted(const QString& identifier)
{
    QString quoted = identifier;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

TPgConnection::TPgConnection(const QString& uri)
    : m_uri(uri)
    , m_location(TPgUri::Scrubbed(uri))
{
    Connect();
}

TPgConnection::~TPgConnection()
{
    PQfinish(m_conn);
}

bool TPgConnection::IsLost() const
{
    return PQstatus(m_conn) == CONNECTION_BAD;
}

void TPgConnection::Reconnect()
{
    PQfinish(std::exchange(m_conn, nullptr));
    Connect();
}

void TPgConnection::SetSessionSql(const QString& sql)
{
    m_sessionSql = sql;
    if (!m_sessionSql.isEmpty() && !IsLost())
        Execute(m_sessionSql, connectAction);
}

std::unique_ptr<TPgConnection> TPgConnection::OpenAnother() const
{
    return std::make_unique<TPgConnection>(m_uri);
}

void TPgConnection::SetInterrupt(std::function<bool()> interrupted)
{
    m_interrupted = std::move(interrupted);
}

void TPgConnection::Connect()
{
    try {
        StartConnecting();
    } catch (...) {
        PQfinish(std::exchange(m_conn, nullptr));
        throw;
    }
}

void TPgConnection::StartConnecting()
{
    TPgUri::Check(m_uri);
    const QByteArray uri = m_uri.toUtf8();
    // Values after the URI override it: texts travel as UTF-8 whatever the server keeps.
    const char* const keywords[] = {"dbname", "fallback_application_name", "client_encoding",
                                    nullptr};
    const char* const values[] = {uri.constData(), "zentuvio", "UTF8", nullptr};
    m_conn = PQconnectStartParams(keywords, values, 1);
    if (!m_conn)
        throw EDatabaseError(ErrorText(connectAction, QStringLiteral("out of memory")));
    // The server's notices are not errors, and nothing is printed.
    PQsetNoticeProcessor(
        m_conn, [](void*, const char*) {}, nullptr);
    const int timeoutMs = TPgUri::ConnectTimeoutMs(m_uri);
    const QDeadlineTimer deadline =
        timeoutMs > 0 ? QDeadlineTimer(timeoutMs) : QDeadlineTimer(QDeadlineTimer::Forever);
    // libpq's protocol: start as if polling had asked to write.
    PostgresPollingStatusType status = PGRES_POLLING_WRITING;
    while (status != PGRES_POLLING_OK && status != PGRES_POLLING_FAILED) {
        if (!AwaitSocket(status == PGRES_POLLING_WRITING, deadline.remainingTime()))
            throw EDatabaseError(
                ErrorText(connectAction, QStringLiteral("the server did not answer within %1 "
                                                        "seconds (connect_timeout)")
                                             .arg(timeoutMs / 1000)));
        status = PQconnectPoll(m_conn);
    }
    if (status == PGRES_POLLING_FAILED)
        throw EDatabaseError(ErrorText(connectAction, OneLine(PQerrorMessage(m_conn))));
    // Large pictures are sent in parts while the wait goes on.
    PQsetnonblocking(m_conn, 1);
    if (!m_sessionSql.isEmpty())
        Execute(m_sessionSql, connectAction);
}

bool TPgConnection::AwaitSocket(bool write, qint64 remainingMs) const
{
    const QDeadlineTimer deadline =
        remainingMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(remainingMs);
    pollfd socket{PQsocket(m_conn), short(POLLIN | (write ? POLLOUT : 0)), 0};
    if (socket.fd < 0)
        return true; // libpq reports why
    for (;;) {
        const int slice =
            int(std::min<qint64>(std::max(TBusyPulse::IntervalMs(), 1),
                                 deadline.isForever() ? 1000 : deadline.remainingTime()));
        const int ready = poll(&socket, 1, slice);
        if (ready > 0 || (ready < 0 && errno != EINTR))
            return true;
        Beat();
        if (deadline.hasExpired())
            return false;
    }
}

void TPgConnection::Beat() const
{
    if (!m_interrupted)
        TBusyPulse::Pulse();
    else if (m_interrupted())
        throw EAbort(ErrorText(QStringLiteral("Stopped waiting for"),
                               QStringLiteral("the operation was abandoned")));
}

TPgResult TPgConnection::Run(const QString& sql, const QString& action,
                             const QVariantList& parameters, TFormat format)
{
    const qsizetype count = parameters.size();
    const auto size = static_cast<std::size_t>(count);
    std::vector<TParameter> encoded(size);
    std::vector<const char*> values(size);
    std::vector<int> lengths(size);
    std::vector<int> formats(size);
    std::vector<Oid> types(size);
    for (std::size_t i = 0; i < size; ++i) {
        const QVariant& parameter = parameters[qsizetype(i)];
        if (!parameter.isValid())
            continue;
        encoded[i] = Encoded(parameter);
        values[i] = encoded[i].bytes.constData();
        lengths[i] = int(encoded[i].bytes.size());
        formats[i] = encoded[i].format;
        types[i] = encoded[i].type;
    }
    const QByteArray statement = sql.toUtf8();
    return Collect(
        [&](pg_conn* conn) {
            return PQsendQueryParams(conn, statement.constData(), int(count), types.data(),
                                     values.data(), lengths.data(), formats.data(),
                                     format == TFormat::Binary ? 1 : 0);
        },
        action);
}

void TPgConnection::Execute(const QString& sql, const QString& action)
{
    const QByteArray statement = sql.toUtf8();
    Collect([&](pg_conn* conn) { return PQsendQuery(conn, statement.constData()); }, action);
}

TPgResult TPgConnection::RunAfresh(const QString& sql, const QString& action,
                                   const QVariantList& parameters, TFormat format)
{
    if (IsLost())
        Reconnect();
    try {
        return Run(sql, action, parameters, format);
    } catch (const EDatabaseError&) {
        if (!IsLost())
            throw;
    }
    Reconnect();
    return Run(sql, action, parameters, format);
}

void TPgConnection::ForEachBatch(const QString& sql, const QString& action, int batchRows,
                                 const std::function<bool(const TPgResult&)>& batch,
                                 const QVariantList& parameters)
{
    Run(QStringLiteral("DECLARE zentuvio_batches NO SCROLL CURSOR FOR\n%1\n").arg(sql), action,
        parameters);
    const QString fetch = QStringLiteral("FETCH FORWARD %1 FROM zentuvio_batches").arg(batchRows);
    for (;;) {
        const TPgResult part = Run(fetch, action);
        if (part.Rows() == 0 || !batch(part) || part.Rows() < batchRows)
            break;
    }
    Execute(QStringLiteral("CLOSE zentuvio_batches"), action);
}

TPgResult TPgConnection::Describe(const QString& sql, const QString& action)
{
    const QByteArray statement = sql.toUtf8();
    Collect(
        [&](pg_conn* conn) { return PQsendPrepare(conn, "", statement.constData(), 0, nullptr); },
        action);
    return Collect([](pg_conn* conn) { return PQsendDescribePrepared(conn, ""); }, action);
}

TPgResult TPgConnection::Collect(const std::function<int(pg_conn*)>& send, const QString& action)
{
    ++m_roundTrips;
    if (!send(m_conn))
        FailWith(action, nullptr);
    try {
        return CollectResults(action);
    } catch (const EAbort&) {
        Cancel();
        throw;
    }
}

TPgResult TPgConnection::CollectResults(const QString& action)
{
    for (;;) {
        const int flushed = PQflush(m_conn);
        if (flushed == 0)
            break;
        if (flushed < 0 || !AwaitSocket(true, -1) || !PQconsumeInput(m_conn))
            FailWith(action, nullptr);
    }
    TPgResult last;
    TPgResult failure;
    for (;;) {
        while (PQisBusy(m_conn)) {
            AwaitSocket(false, -1);
            if (!PQconsumeInput(m_conn))
                FailWith(action, nullptr);
        }
        pg_result* result = PQgetResult(m_conn);
        if (!result)
            break;
        const ExecStatusType status = PQresultStatus(result);
        TPgResult& kept =
            status == PGRES_FATAL_ERROR || status == PGRES_BAD_RESPONSE ? failure : last;
        // The first failure is the cause; what follows it only repeats it.
        if (&kept == &failure && failure.Handle())
            PQclear(result);
        else
            kept = TPgResult(result);
    }
    if (failure.Handle())
        FailWith(action, failure.Handle());
    return last;
}

void TPgConnection::Cancel()
{
    if (PGcancel* cancel = PQgetCancel(m_conn)) {
        std::array<char, 256> error{};
        PQcancel(cancel, error.data(), int(error.size()));
        PQfreeCancel(cancel);
    }
    // Neither interrupted nor beating while the server ends the statement.
    const std::function<bool()> interrupted = std::exchange(m_interrupted, [] { return false; });
    const auto restore = qScopeGuard([&] { m_interrupted = interrupted; });
    const QDeadlineTimer deadline(cancelWaitMs);
    for (;;) {
        while (PQisBusy(m_conn)) {
            if (!AwaitSocket(false, deadline.remainingTime()) || !PQconsumeInput(m_conn)) {
                // Lost: the next operation connects again.
                PQfinish(std::exchange(m_conn, nullptr));
                return;
            }
        }
        pg_result* result = PQgetResult(m_conn);
        if (!result)
            return;
        PQclear(result);
    }
}

void TPgConnection::FailWith(const QString& action, const pg_result* result) const
{
    QString cause;
    if (result) {
        QStringList parts = {Field(result, PG_DIAG_MESSAGE_PRIMARY)};
        for (const int extra : {PG_DIAG_MESSAGE_DETAIL, PG_DIAG_MESSAGE_HINT}) {
            if (const QString text = Field(result, extra); !text.isEmpty())
                parts << text;
        }
        parts.removeAll(QString());
        cause = parts.join(QStringLiteral(". "));
        if (qstrcmp(PQresultErrorField(result, PG_DIAG_SQLSTATE), undefinedTable) == 0)
            cause += QStringLiteral(" (the database lacks that table: 'zentuvio-catalogue create "
                                    "%1' makes the picture catalogue there)")
                         .arg(m_location);
    }
    if (cause.isEmpty())
        cause = OneLine(PQerrorMessage(m_conn));
    if (IsLost())
        cause = QStringLiteral("the connection to the server was lost (%1); the next try "
                               "connects again")
                    .arg(cause);
    throw EDatabaseError(ErrorText(action, cause));
}

// A cause that ends in a question ("Is the server running ...?") keeps its mark.
QString TPgConnection::ErrorText(const QString& action, const QString& cause) const
{
    const bool ended = cause.endsWith(u'?') || cause.endsWith(u'!');
    return QStringLiteral("%1 '%2': %3%4")
        .arg(action, m_location, cause, ended ? QString() : QStringLiteral("."));
}
