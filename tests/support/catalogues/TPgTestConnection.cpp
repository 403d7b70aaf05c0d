#include "TPgTestConnection.h"

#include <libpq-fe.h>
#include <stdexcept>
#include <vector>

namespace {

// The gallery's sessions on this database that wait for a lock.
const QString galleryWaitingForALock =
    QStringLiteral("datname = current_database() AND application_name = 'zentuvio' AND "
                   "wait_event_type = 'Lock'");

} // namespace

void TPgTestConnection::TClearResult::operator()(pg_result* result) const
{
    PQclear(result);
}

TPgTestConnection::TPgTestConnection(const QString& uri)
    : m_conn(PQconnectdb(uri.toUtf8().constData()), PQfinish)
{
    if (PQstatus(m_conn.get()) != CONNECTION_OK)
        throw std::runtime_error(std::string("cannot connect to the test server: ") +
                                 PQerrorMessage(m_conn.get()));
    PQsetNoticeProcessor(
        m_conn.get(), [](void*, const char*) {}, nullptr);
}

TPgTestConnection::~TPgTestConnection() = default;

TPgTestConnection::TResult TPgTestConnection::Send(const QString& sql,
                                                   const QVariantList& parameters, bool binary)
{
    std::vector<QByteArray> texts;
    std::vector<const char*> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    std::vector<Oid> types;
    texts.reserve(std::size_t(parameters.size()));
    for (const QVariant& parameter : parameters) {
        const bool bytes = parameter.typeId() == QMetaType::QByteArray;
        texts.push_back(bytes ? parameter.toByteArray() : parameter.toString().toUtf8());
        values.push_back(parameter.isValid() ? texts.back().constData() : nullptr);
        lengths.push_back(int(texts.back().size()));
        formats.push_back(bytes ? 1 : 0);
        types.push_back(bytes ? 17 : 0); // bytea
    }
    // Without parameters the text may hold several statements (a schema).
    const QByteArray text = sql.toUtf8();
    TResult result(parameters.isEmpty() && !binary
                       ? PQexec(m_conn.get(), text.constData())
                       : PQexecParams(m_conn.get(), text.constData(), int(parameters.size()),
                                      types.data(), values.data(), lengths.data(), formats.data(),
                                      binary ? 1 : 0));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return result;
    m_lastError = QString::fromUtf8(PQerrorMessage(m_conn.get())).trimmed();
    return nullptr;
}

TPgTestConnection::TResult TPgTestConnection::Run(const QString& sql,
                                                  const QVariantList& parameters, bool binary)
{
    TResult result = Send(sql, parameters, binary);
    if (!result)
        throw std::runtime_error(sql.toStdString() + ": " + m_lastError.toStdString());
    return result;
}

bool TPgTestConnection::TryRun(const QString& sql)
{
    return Send(sql, {}, false) != nullptr;
}

QString TPgTestConnection::Single(const QString& sql, const QVariantList& parameters)
{
    const TResult result = Run(sql, parameters);
    if (PQntuples(result.get()) == 0 || PQgetisnull(result.get(), 0, 0))
        return QString();
    return QString::fromUtf8(PQgetvalue(result.get(), 0, 0));
}

int TPgTestConnection::BackendPid() const
{
    return PQbackendPID(m_conn.get());
}

bool TPgTestConnection::GalleryWaitsForALock()
{
    return Single(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE %1")
                      .arg(galleryWaitingForALock)) != QStringLiteral("0");
}

bool TPgTestConnection::EndGalleryWaitingForALock()
{
    return !Single(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE %1")
                       .arg(galleryWaitingForALock))
                .isEmpty();
}
