#include "TPgUri.h"

#include "Exception.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <libpq-fe.h>
#include <memory>

namespace {

const QRegularExpression& SchemePattern()
{
    static const QRegularExpression scheme(QStringLiteral("^postgres(ql)?://"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme;
}

// The options libpq reads from a URI; empty after a parse error, whose text it keeps.
class TParsedOptions {
public:
    explicit TParsedOptions(const QString& uri)
    {
        char* error = nullptr;
        m_options.reset(PQconninfoParse(uri.toUtf8().constData(), &error));
        if (error) {
            m_error = QString::fromUtf8(error).trimmed();
            PQfreemem(error);
        }
    }

    bool IsValid() const { return m_options != nullptr; }
    const QString& Error() const { return m_error; }

    // The value libpq read for keyword, or a null string.
    QString Value(const char* keyword) const
    {
        for (const PQconninfoOption* option = m_options.get(); option && option->keyword;
             ++option) {
            if (qstrcmp(option->keyword, keyword) == 0 && option->val)
                return QString::fromUtf8(option->val);
        }
        return QString();
    }

private:
    struct TFree {
        void operator()(PQconninfoOption* options) const { PQconninfoFree(options); }
    };
    std::unique_ptr<PQconninfoOption, TFree> m_options;
    QString m_error;
};

} // namespace

bool TPgUri::IsUri(const QString& location)
{
    return SchemePattern().match(location).hasMatch();
}

QString TPgUri::Scrubbed(const QString& uri)
{
    const QRegularExpressionMatch scheme = SchemePattern().match(uri);
    if (!scheme.hasMatch())
        return uri;
    QString text = uri;
    // The user part runs to the last "@" before the path or the parameters.
    const qsizetype authority = scheme.capturedEnd();
    qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[/?#]")), authority);
    if (end < 0)
        end = text.size();
    const qsizetype at = text.lastIndexOf(QLatin1Char('@'), end - 1);
    if (at >= authority) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'), authority);
        if (colon >= 0 && colon < at)
            text.remove(colon, at - colon);
    }
    const qsizetype query = text.indexOf(QLatin1Char('?'), authority);
    if (query < 0)
        return text;
    QStringList parameters = text.mid(query + 1).split(QLatin1Char('&'));
    parameters.removeIf(
        [](const QString& parameter) { return parameter.startsWith(QLatin1String("password=")); });
    text.truncate(query);
    if (!parameters.isEmpty())
        text += QLatin1Char('?') + parameters.join(QLatin1Char('&'));
    return text;
}

bool TPgUri::HoldsPassword(const QString& uri)
{
    const TParsedOptions options(uri);
    return options.IsValid() ? !options.Value("password").isNull() : Scrubbed(uri) != uri;
}

void TPgUri::CheckNoPassword(const QString& location)
{
    if (IsUri(location) && HoldsPassword(location))
        throw EDatabaseError(QStringLiteral(
            "The server's URI holds a password, which does not belong on a command line: put "
            "it in ~/.pgpass (or in PGPASSWORD, or in a service file named by PGSERVICE) and "
            "give the URI without it."));
}

void TPgUri::Check(const QString& uri)
{
    const TParsedOptions options(uri);
    if (options.IsValid())
        return;
    // libpq quotes the part it could not read, which may be a password.
    const QString cause =
        HoldsPassword(uri) ? QStringLiteral("it cannot be read") : options.Error();
    throw EDatabaseError(QStringLiteral("'%1' is not a PostgreSQL connection URI that can be "
                                        "used: %2.")
                             .arg(Scrubbed(uri), cause));
}

int TPgUri::ConnectTimeoutMs(const QString& uri)
{
    const QString value = TParsedOptions(uri).Value("connect_timeout");
    if (value.isNull())
        return DefaultConnectTimeout * 1000;
    bool ok = false;
    const int seconds = value.trimmed().toInt(&ok);
    if (!ok || seconds < 0)
        return DefaultConnectTimeout * 1000;
    if (seconds == 0)
        return 0;
    return std::max(seconds, 2) * 1000;
}
