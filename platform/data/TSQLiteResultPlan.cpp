#include "TSQLiteResultPlan.h"

#include "Exception.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteTableInfo.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <sqlite3.h>

namespace {

const QString queryAction = QStringLiteral("Cannot run the query on database");
// The records whose row ids lie between ?1 and ?2, the row id in front of their columns.
const QString windowForm = QStringLiteral(
    "SELECT * FROM (\n%1\n) WHERE zentuvio_key BETWEEN ?1 AND ?2 ORDER BY zentuvio_key");

QString ReadKey(const QString& schema, const QString& table, const QString& column)
{
    return (schema + QLatin1Char('.') + table + QLatin1Char('.') + column).toLower();
}

// What the authorizer sees while a statement is prepared; set on the connection only for
// the length of one prepare (RAII), since it applies to every statement prepared.
struct TAuthorizerState {
    std::vector<QString>* reads = nullptr;
    int* selects = nullptr;
    const QSet<QString>* ignored = nullptr;
};

int Authorize(void* user, int action, const char* table, const char* column, const char* schema,
              const char*)
{
    const auto* state = static_cast<const TAuthorizerState*>(user);
    if (action == SQLITE_SELECT && state->selects)
        ++*state->selects;
    if (action != SQLITE_READ || !table || !column)
        return SQLITE_OK;
    const QString key = ReadKey(QString::fromUtf8(schema ? schema : ""), QString::fromUtf8(table),
                                QString::fromUtf8(column));
    if (state->reads)
        state->reads->push_back(key);
    // SQLITE_IGNORE: SQLite compiles a NULL in place of this column read.
    return state->ignored && state->ignored->contains(key) ? SQLITE_IGNORE : SQLITE_OK;
}

class TAuthorizerScope {
public:
    TAuthorizerScope(sqlite3* db, TAuthorizerState* state)
        : m_db(db)
    {
        sqlite3_set_authorizer(m_db, &Authorize, state);
    }
    ~TAuthorizerScope() { sqlite3_set_authorizer(m_db, nullptr, nullptr); }
    TAuthorizerScope(const TAuthorizerScope&) = delete;
    TAuthorizerScope& operator=(const TAuthorizerScope&) = delete;

private:
    sqlite3* m_db;
};

TSQLiteStatement PrepareAuthorized(TSQLiteDatabase& database, const QString& sql,
                                   TAuthorizerState& state)
{
    const TAuthorizerScope scope(database.Handle(), &state);
    return TSQLiteStatement(database, sql, queryAction);
}

QString Utf8OrEmpty(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

TSQLiteResultPlan::TKind KindOf(const QString& declaredType)
{
    using TKind = TSQLiteResultPlan::TKind;
    const QString type = declaredType.toUpper();
    // SQLite's affinity rules, in their order; blobs only when declared as such (a column
    // without a type may hold anything and is kept as it comes).
    if (type.contains(QLatin1String("INT")))
        return TKind::Integer;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
        type.contains(QLatin1String("TEXT")))
        return TKind::Text;
    if (type.contains(QLatin1String("BLOB")) || type.contains(QLatin1String("BINARY")) ||
        type.contains(QLatin1String("IMAGE")) || type.contains(QLatin1String("OLEOBJECT")) ||
        type.contains(QLatin1String("OLE OBJECT")))
        return TKind::Blob;
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA")) ||
        type.contains(QLatin1String("DOUB")))
        return TKind::Float;
    return TKind::Unknown;
}

// The words of the SQL text, upper case: bare words and the contents of quoted names
// ("x", `x`, [x]); string literals and comments left out.
QStringList SqlWords(const QString& sql)
{
    QStringList words;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') ||
            c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            QString quoted;
            ++i;
            while (i < n) {
                if (sql[i] == close) {
                    // A doubled quote is a quote inside the literal or name.
                    if (close != QLatin1Char(']') && i + 1 < n && sql[i + 1] == close) {
                        quoted += close;
                        i += 2;
                        continue;
                    }
                    break;
                }
                quoted += sql[i++];
            }
            ++i;
            if (c != QLatin1Char('\''))
                words << quoted.toUpper();
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            while (i < n && sql[i] != QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype start = i;
            while (i < n && (sql[i].isLetterOrNumber() || sql[i] == QLatin1Char('_') ||
                             sql[i] == QLatin1Char('$')))
                ++i;
            words << sql.mid(start, i - start).toUpper();
        } else {
            ++i;
        }
    }
    return words;
}

// True when the text holds a word by which a result column can be referred to after it
// is computed, or which makes the result depend on its values. Over-cautious by design:
// a false alarm costs only time.
bool MentionsResultColumnUse(const QStringList& words)
{
    static const QSet<QString> risky = {
        QStringLiteral("AS"),     QStringLiteral("ORDER"),     QStringLiteral("GROUP"),
        QStringLiteral("HAVING"), QStringLiteral("DISTINCT"),  QStringLiteral("UNION"),
        QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"), QStringLiteral("WINDOW"),
        QStringLiteral("OVER"),   QStringLiteral("WITH"),      QStringLiteral("VALUES"),
        QStringLiteral("FILTER"), QStringLiteral("RETURNING"),
    };
    return std::any_of(words.begin(), words.end(),
                       [](const QString& word) { return risky.contains(word); });
}

// sql with the row id (keySql) as its first result column "zentuvio_key", and no
// trailing semicolon, so that it can stand inside another SELECT; empty when sql does
// not begin with SELECT.
QString WithRowIdInFront(const QString& sql, const QString& keySql)
{
    static const QLatin1String select("select");
    qsizetype start = 0;
    while (start < sql.size() && sql[start].isSpace())
        ++start;
    const qsizetype after = start + select.size();
    if (sql.mid(start, select.size()).compare(select, Qt::CaseInsensitive) != 0 ||
        after >= sql.size() || !sql[after].isSpace())
        return QString();
    qsizetype end = sql.size();
    while (end > after && (sql[end - 1].isSpace() || sql[end - 1] == QLatin1Char(';')))
        --end;
    return sql.left(after) + QLatin1Char(' ') + keySql + QStringLiteral(" AS zentuvio_key,") +
           sql.mid(after, end - after);
}

} // namespace

TSQLiteResultPlan::TSQLiteResultPlan(TSQLiteDatabase& database, const QString& sql)
    : m_database(database)
{
    TAuthorizerState counting{&m_reads, &m_selects, nullptr};
    m_statement = PrepareAuthorized(database, sql, counting);
    sqlite3_stmt* stmt = m_statement.Handle();
    if (sqlite3_column_count(stmt) == 0)
        throw EDatabaseError(QStringLiteral("%1 '%2': the SQL text returns no records.")
                                 .arg(queryAction, database.Path()));
    if (!sqlite3_stmt_readonly(stmt))
        throw EDatabaseError(
            QStringLiteral("%1 '%2': the SQL text changes the database; a query only reads.")
                .arg(queryAction, database.Path()));
    const QStringList words = SqlWords(sql);
    DescribeColumns();
    FindKeys(words);
    KeyByRowId(sql, words);
    if (CanSkipBlobLoads(words))
        SkipBlobLoads(sql);
}

void TSQLiteResultPlan::SkipBlobLoads(const QString& sql)
{
    QSet<QString> ignored;
    for (const TColumn& column : m_columns) {
        if (column.lazy)
            ignored.insert(
                ReadKey(column.origin.schema, column.origin.table, column.origin.column));
    }
    if (KeyedByRowId()) {
        m_ignored = std::move(ignored);
        m_window = PrepareKeyed(windowForm);
        m_skipsBlobLoads = m_window.ColumnCount() == int(m_columns.size()) + 1;
        return;
    }
    TAuthorizerState ignoring{nullptr, nullptr, &ignored};
    TSQLiteStatement skipping = PrepareAuthorized(m_database, sql, ignoring);
    if (skipping.ColumnCount() != int(m_columns.size()))
        return;
    m_statement = std::move(skipping);
    m_skipsBlobLoads = true;
}

// The one table a plain SELECT reads ("schema.table", lower case), or empty when the
// statement is not one whose records can be walked by that table's row id.
QString TSQLiteResultPlan::KeyedTable(const QStringList& words) const
{
    if (m_selects != 1 || m_reads.empty() || MentionsResultColumnUse(words) ||
        words.contains(QStringLiteral("LIMIT")) || words.contains(QStringLiteral("OFFSET")))
        return QString();
    const QString table = m_reads.front().section(QLatin1Char('.'), 0, 1);
    const bool oneTable = std::all_of(m_reads.begin(), m_reads.end(), [&](const QString& read) {
        return read.section(QLatin1Char('.'), 0, 1) == table;
    });
    // Every result column is a column of the table: no expression, no aggregate.
    const bool onlyItsColumns =
        std::all_of(m_columns.begin(), m_columns.end(), [&](const TColumn& c) {
            return (c.origin.schema + QLatin1Char('.') + c.origin.table).toLower() == table;
        });
    if (!oneTable || !onlyItsColumns || words.count(m_columns.front().origin.table.toUpper()) != 1)
        return QString();
    return table;
}

void TSQLiteResultPlan::KeyByRowId(const QString& sql, const QStringList& words)
{
    if (KeyedTable(words).isEmpty())
        return;
    const TSQLiteTableInfo& table = TableOf(m_columns.front().origin);
    const QString keyName = table.RowIdName();
    m_keyedSql = keyName.isEmpty() ? QString() : WithRowIdInFront(sql, table.RowIdSql());
    if (m_keyedSql.isEmpty())
        return;
    try {
        m_window = PrepareKeyed(windowForm);
    } catch (const EDatabaseError&) {
        // Not a table with row ids (WITHOUT ROWID), or a text the rewriting does not fit:
        // the records are then fetched the plain way.
        return;
    }
    for (TColumn& column : m_columns) {
        column.keyedByRecord = true;
        column.origin.keyName = keyName;
        column.lazy = column.kind == TKind::Blob;
    }
}

const TSQLiteTableInfo& TSQLiteResultPlan::TableOf(const TSQLiteColumnRef& origin)
{
    const QString key = (origin.schema + QLatin1Char('.') + origin.table).toLower();
    auto found = m_tables.find(key);
    if (found == m_tables.end())
        found = m_tables.insert(
            key, TSQLiteTableInfo::Read(m_database, origin.schema, origin.table, queryAction));
    return *found;
}

TSQLiteStatement TSQLiteResultPlan::PrepareKeyed(const QString& form)
{
    TAuthorizerState state{nullptr, nullptr, &m_ignored};
    return PrepareAuthorized(m_database, form.arg(m_keyedSql), state);
}

TSQLiteStatement& TSQLiteResultPlan::KeyLookUp()
{
    if (!m_keyLookUp.IsValid()) {
        QStringList places;
        for (int place = 1; place <= KeysPerLookUp; ++place)
            places << QStringLiteral("?%1").arg(place);
        m_keyLookUp =
            PrepareKeyed(QStringLiteral("SELECT * FROM (\n%1\n) WHERE zentuvio_key IN (") +
                         places.join(QLatin1Char(',')) + QLatin1Char(')'));
    }
    return m_keyLookUp;
}

TSQLiteStatement TSQLiteResultPlan::RowIdCount()
{
    return PrepareKeyed(QStringLiteral("SELECT count(*) FROM (\n%1\n)"));
}

TSQLiteStatement TSQLiteResultPlan::RowIdEnds()
{
    return PrepareKeyed(
        QStringLiteral("SELECT (SELECT zentuvio_key FROM (\n%1\n) ORDER BY zentuvio_key LIMIT 1), "
                       "(SELECT zentuvio_key FROM (\n%1\n) ORDER BY zentuvio_key DESC LIMIT 1)"));
}

TSQLiteStatement TSQLiteResultPlan::RowIdScan()
{
    return PrepareKeyed(QStringLiteral("SELECT zentuvio_key FROM (\n%1\n) ORDER BY zentuvio_key"));
}

void TSQLiteResultPlan::DescribeColumns()
{
    sqlite3_stmt* stmt = m_statement.Handle();
    const int count = sqlite3_column_count(stmt);
    m_columns.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        TColumn& column = m_columns[std::size_t(i)];
        column.name = Utf8OrEmpty(sqlite3_column_name(stmt, i));
        column.declaredType = Utf8OrEmpty(sqlite3_column_decltype(stmt, i));
        column.origin.schema = Utf8OrEmpty(sqlite3_column_database_name(stmt, i));
        column.origin.table = Utf8OrEmpty(sqlite3_column_table_name(stmt, i));
        column.origin.column = Utf8OrEmpty(sqlite3_column_origin_name(stmt, i));
        column.kind = KindOf(column.declaredType);
    }
}

void TSQLiteResultPlan::FindKeys(const QStringList& words)
{
    static const QSet<QString> rowIdNames = {QStringLiteral("rowid"), QStringLiteral("oid"),
                                             QStringLiteral("_rowid_")};
    QHash<QString, int> keyOfTable;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        TColumn& column = m_columns[i];
        if (column.origin.table.isEmpty())
            continue;
        const QString tableKey =
            (column.origin.schema + QLatin1Char('.') + column.origin.table).toLower();
        const TSQLiteTableInfo& table = TableOf(column.origin);
        const QString origin = column.origin.column.toLower();
        column.isRowId = (rowIdNames.contains(origin) && !table.columns.contains(origin)) ||
                         (!table.rowIdAlias.isEmpty() &&
                          table.rowIdAlias.compare(origin, Qt::CaseInsensitive) == 0);
        if (!column.isRowId)
            continue;
        column.kind = TKind::Integer;
        // A row id identifies a row of its table only when the table is read once: one
        // plain SELECT (no view, subquery or compound, whose origins SQLite gives by their
        // first SELECT only) that names the table once (no self-join).
        const bool single = m_selects == 1 && words.count(column.origin.table.toUpper()) == 1;
        if (single && !keyOfTable.contains(tableKey))
            keyOfTable.insert(tableKey, int(i));
    }
    for (TColumn& column : m_columns) {
        if (column.origin.table.isEmpty())
            continue;
        const QString tableKey =
            (column.origin.schema + QLatin1Char('.') + column.origin.table).toLower();
        column.keyColumn = keyOfTable.value(tableKey, -1);
        if (column.keyColumn >= 0)
            column.origin.keyName = m_columns[std::size_t(column.keyColumn)].origin.column;
        column.lazy = column.kind == TKind::Blob && column.keyColumn >= 0;
    }
}

bool TSQLiteResultPlan::CanSkipBlobLoads(const QStringList& words) const
{
    const bool anyLazy =
        std::any_of(m_columns.begin(), m_columns.end(), [](const TColumn& c) { return c.lazy; });
    if (!anyLazy || m_selects != 1 || MentionsResultColumnUse(words))
        return false;
    for (const TColumn& column : m_columns) {
        if (!column.lazy)
            continue;
        if (column.name.compare(column.origin.column, Qt::CaseInsensitive) != 0)
            return false;
        const QString key =
            ReadKey(column.origin.schema, column.origin.table, column.origin.column);
        const auto reads = std::count(m_reads.begin(), m_reads.end(), key);
        const auto results =
            std::count_if(m_columns.begin(), m_columns.end(), [&](const TColumn& c) {
                return ReadKey(c.origin.schema, c.origin.table, c.origin.column) == key;
            });
        // Every read of the blob is a result column: nothing else (WHERE, a function) sees it.
        if (reads != results)
            return false;
    }
    return true;
}
