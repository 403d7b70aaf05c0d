#include "TPgNameSearch.h"

#include "Exception.h"
#include "TPgConnection.h"
#include "TPgNameIndex.h"

#include <QScopeGuard>

namespace {

const QString findAction = QStringLiteral("Cannot find pictures in catalogue");

} // namespace

TPgNameSearch::TPgNameSearch(std::unique_ptr<TPgConnection> connection)
    : m_connection(std::move(connection))
    , m_table(TPgTableInfo::ReadByName(*m_connection, QStringLiteral("picture"), findAction))
{
    if (!m_table.Exists())
        throw EDatabaseError(m_connection->ErrorText(
            findAction, QStringLiteral("the database has no table picture")));
    if (!m_table.keyNumber)
        throw EDatabaseError(m_connection->ErrorText(
            findAction, QStringLiteral("table picture has no primary key of one integer column, "
                                       "by which the pictures found would be shown")));
    m_indexed = HasNames() && TPgNameIndex::Exists(*m_connection, m_table, findAction);
}

TPgNameSearch::~TPgNameSearch() = default;

bool TPgNameSearch::HasNames() const
{
    return !TPgNameIndex::NameColumns(m_table).isEmpty();
}

bool TPgNameSearch::Scans(const QString& text)
{
    return !m_indexed || text.toUcs4().size() < TPgNameIndex::shortestIndexedText;
}

QString TPgNameSearch::Condition(const TPgTableInfo& table)
{
    return QStringLiteral("%1 IS NOT NULL AND %2 ILIKE $1")
        .arg(table.Quoted(table.Find(QStringLiteral("parent"))),
             TPgNameIndex::Names(TPgNameIndex::NameColumns(table)));
}

QString TPgNameSearch::Pattern(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'%', QStringLiteral("\\%"))
        .replace(u'_', QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

std::vector<qint64> TPgNameSearch::Find(const QString& text, const TAbandoned& abandoned)
{
    if (text.isEmpty() || !HasNames() || !TPgNameIndex::TextFits(text))
        return {};
    const auto isAbandoned = [&abandoned] { return abandoned && abandoned(); };
    const auto abandon = [&text] {
        return EAbort(QStringLiteral("The search for '%1' was abandoned.").arg(text));
    };
    if (isAbandoned())
        throw abandon();
    m_connection->SetInterrupt(isAbandoned);
    const auto uninterrupted = qScopeGuard([this] { m_connection->SetInterrupt({}); });
    const QString parent = m_table.Quoted(m_table.Find(QStringLiteral("parent")));
    const QString key = m_table.Quoted(m_table.keyNumber);
    const TPgResult rows =
        m_connection->RunAfresh(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %4, %1")
                                    .arg(key, m_table.name, Condition(m_table), parent),
                                findAction, {Pattern(text)});
    if (isAbandoned())
        throw abandon();
    std::vector<qint64> keys;
    keys.reserve(std::size_t(rows.Rows()));
    for (int row = 0; row < rows.Rows(); ++row)
        keys.push_back(rows.Int64(row, 0));
    return keys;
}
