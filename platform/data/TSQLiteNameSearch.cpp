#include "TSQLiteNameSearch.h"

#include "Exception.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteNameIndex.h"
#include "TSQLiteStatement.h"
#include "TSQLiteTableInfo.h"

#include <algorithm>
#include <sqlite3.h>
#include <utility>

namespace {

const QString findAction = QStringLiteral("Cannot find pictures in catalogue");
// Virtual machine steps between two questions whether the search is abandoned.
constexpr int stepsPerCheck = 1000;
// The SQL function that compares a name with the text sought.
const char* const holdsFunction = "zentuvio_holds";

// For the length of a scope, SQLite asks abandoned now and then while a statement of the
// connection runs; a true answer interrupts the statement.
class TAbandonScope {
public:
    TAbandonScope(TSQLiteDatabase& database, const TNameSearch::TAbandoned& abandoned)
        : m_db(database.Handle())
        , m_abandoned(abandoned)
    {
        sqlite3_progress_handler(m_db, stepsPerCheck, &TAbandonScope::Check, this);
    }
    ~TAbandonScope() { sqlite3_progress_handler(m_db, 0, nullptr, nullptr); }
    TAbandonScope(const TAbandonScope&) = delete;
    TAbandonScope& operator=(const TAbandonScope&) = delete;

private:
    static int Check(void* scope)
    {
        const auto& abandoned = static_cast<TAbandonScope*>(scope)->m_abandoned;
        return abandoned && abandoned() ? 1 : 0;
    }

    sqlite3* m_db;
    const TNameSearch::TAbandoned& m_abandoned;
};

// zentuvio_holds(value): true when the value, as text, holds the text sought without
// regard to case. Registered for the length of a scope.
class THoldsFunction {
public:
    THoldsFunction(TSQLiteDatabase& database, const QString& text)
        : m_db(database.Handle())
        , m_text(text)
    {
        if (sqlite3_create_function_v2(
                m_db, holdsFunction, 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY,
                &m_text, &THoldsFunction::Holds, nullptr, nullptr, nullptr) != SQLITE_OK)
            database.Fail(findAction);
    }
    ~THoldsFunction()
    {
        sqlite3_create_function_v2(m_db, holdsFunction, 1, SQLITE_UTF16, nullptr, nullptr, nullptr,
                                   nullptr, nullptr);
    }
    THoldsFunction(const THoldsFunction&) = delete;
    THoldsFunction& operator=(const THoldsFunction&) = delete;

private:
    static void Holds(sqlite3_context* context, int, sqlite3_value** values)
    {
        const auto* characters = static_cast<const char16_t*>(sqlite3_value_text16(values[0]));
        const auto* text = static_cast<const QString*>(sqlite3_user_data(context));
        const QStringView value(characters, characters ? sqlite3_value_bytes16(values[0]) / 2 : 0);
        sqlite3_result_int(context, value.contains(*text, Qt::CaseInsensitive) ? 1 : 0);
    }

    sqlite3* m_db;
    QString m_text;
};

qsizetype CharacterCount(const QString& text)
{
    return text.toUcs4().size();
}

} // namespace

TSQLiteNameSearch::TSQLiteNameSearch(std::unique_ptr<TSQLiteDatabase> database)
    : m_owned(std::move(database))
    , m_database(*m_owned)
{
    ReadTable();
}

TSQLiteNameSearch::TSQLiteNameSearch(TSQLiteDatabase& database)
    : m_database(database)
{
    ReadTable();
}

TSQLiteNameSearch::~TSQLiteNameSearch() = default;

std::unique_ptr<TSQLiteNameSearch> TSQLiteNameSearch::Open(const QString& path, int busyTimeoutMs)
{
    return std::make_unique<TSQLiteNameSearch>(
        std::make_unique<TSQLiteDatabase>(path, TSQLiteDatabase::TAccess::ReadOnly, busyTimeoutMs));
}

void TSQLiteNameSearch::ReadTable()
{
    const TSQLiteTableInfo table = TSQLiteTableInfo::Read(m_database, QStringLiteral("main"),
                                                          QStringLiteral("picture"), findAction);
    if (table.columns.isEmpty())
        throw EDatabaseError(
            QStringLiteral("%1 '%2': it has no table picture.").arg(findAction, m_database.Path()));
    m_columns = TSQLiteNameIndex::NameColumns(table);
    m_rowId = table.RowIdSql();
}

bool TSQLiteNameSearch::Scans(const QString& text)
{
    return CharacterCount(text) < TSQLiteNameIndex::shortestIndexedText ||
           !TSQLiteNameIndex::Exists(m_database, findAction) ||
           !TSQLiteNameIndex::KeysEveryPicture(m_database, findAction);
}

std::vector<qint64> TSQLiteNameSearch::Find(const QString& text, const TAbandoned& abandoned)
{
    if (text.isEmpty() || !HasNames())
        return {};
    const TAbandonScope abandonable(m_database, abandoned);
    try {
        return Scans(text) ? Scan(text) : LookUp(text);
    } catch (const EDatabaseError&) {
        if (abandoned && abandoned())
            throw EAbort(QStringLiteral("The search for '%1' was abandoned.").arg(text));
        throw;
    }
}

// The index returns keys in the gallery's order already (see TSQLiteNameIndex).
std::vector<qint64> TSQLiteNameSearch::LookUp(const QString& text)
{
    TSQLiteStatement matches(
        m_database, QStringLiteral("SELECT rowid FROM picture_names WHERE picture_names MATCH ?"),
        findAction);
    matches.Bind(1, TSQLiteNameIndex::Phrase(text));
    std::vector<qint64> rowIds;
    while (matches.Step())
        rowIds.push_back(TSQLiteNameIndex::RowIdOf(matches.ColumnInt64(0)));
    return rowIds;
}

// Read in the table's own order, which costs no look-ups, and sorted afterwards.
std::vector<qint64> TSQLiteNameSearch::Scan(const QString& text)
{
    const THoldsFunction holds(m_database, text);
    QStringList tests;
    for (const QString& column : m_columns)
        tests << QStringLiteral("%1(%2)").arg(QLatin1String(holdsFunction), column);
    TSQLiteStatement rows(m_database,
                          QStringLiteral("SELECT CAST(parent AS INTEGER), %1 FROM picture "
                                         "WHERE %2 AND (%3)")
                              .arg(m_rowId, TSQLiteNameIndex::InCategory(QString()),
                                   tests.join(QStringLiteral(" OR "))),
                          findAction);
    std::vector<std::pair<qint64, qint64>> found;
    while (rows.Step())
        found.emplace_back(rows.ColumnInt64(0), rows.ColumnInt64(1));
    std::sort(found.begin(), found.end());
    std::vector<qint64> rowIds;
    rowIds.reserve(found.size());
    for (const auto& entry : found)
        rowIds.push_back(entry.second);
    return rowIds;
}
