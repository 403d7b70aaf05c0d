#include "TSQLiteQuery.h"

#include "Exception.h"
#include "TSQLiteBlob.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteProgressScope.h"
#include "TSQLiteSavepoint.h"

#include <QHash>
#include <QScopeGuard>
#include <QStringList>
#include <optional>
#include <sqlite3.h>

namespace {

using TKind = TSQLiteResultPlan::TKind;

const QString saveAction = QStringLiteral("Cannot save the record to database");

// Sets the database's busy timeout to the query's for one operation and gives the
// connection's back afterwards.
class TBusyTimeoutScope {
public:
    TBusyTimeoutScope(TSQLiteDatabase& database, int milliseconds)
        : m_database(database)
        , m_previous(database.BusyTimeout())
    {
        m_database.SetBusyTimeout(milliseconds);
    }
    ~TBusyTimeoutScope() { m_database.SetBusyTimeout(m_previous); }
    TBusyTimeoutScope(const TBusyTimeoutScope&) = delete;
    TBusyTimeoutScope& operator=(const TBusyTimeoutScope&) = delete;

private:
    TSQLiteDatabase& m_database;
    int m_previous;
};

// The first column of the statement's one row (finalized when done).
QVariant SingleValue(TSQLiteStatement statement)
{
    return statement.Step() ? statement.Column(0) : QVariant();
}

void StepRowIds(TSQLiteStatement scan, TRecordKeys& rowIds, int wanted)
{
    while (rowIds.Count() < wanted && scan.Step())
        rowIds.Append(scan.ColumnInt64(0));
}

TFieldType FieldTypeOf(const TSQLiteResultPlan::TColumn& column)
{
    switch (column.kind) {
    case TKind::Blob:
        return TFieldType::ftBlob;
    case TKind::Integer:
        return column.isRowId ? TFieldType::ftAutoInc : TFieldType::ftInteger;
    case TKind::Text:
        return TFieldType::ftString;
    case TKind::Float:
        return TFieldType::ftFloat;
    case TKind::Unknown:
        break;
    }
    return TFieldType::ftUnknown;
}

} // namespace

TSQLiteQuery::TSQLiteQuery(TSQLiteDatabase& database, const QString& sql,
                           const TQuerySettings& settings)
    : m_database(database)
    , m_settings(settings)
{
    const TBusyTimeoutScope timeout(m_database, m_settings.busyTimeoutMs);
    const TSQLiteProgressScope pulse(m_database);
    m_plan = std::make_unique<TSQLiteResultPlan>(m_database, sql);
    DescribeColumns();
    if (m_plan->KeyedByRowId())
        FetchRowIds();
    else
        FetchRecords();
    // Finalized at once: a statement left open would keep a read lock on the file.
    m_plan->Statement() = TSQLiteStatement();
}

TSQLiteQuery::~TSQLiteQuery() = default;

void TSQLiteQuery::DescribeColumns()
{
    std::vector<bool> kept;
    for (const TSQLiteResultPlan::TColumn& column : m_plan->Columns()) {
        m_columns.push_back({column.name, FieldTypeOf(column)});
        kept.push_back(!column.lazy);
    }
    m_records.SetColumns(kept);
}

void TSQLiteQuery::FetchRecords()
{
    TSQLiteStatement& statement = m_plan->Statement();
    // A lazy blob is not asked for: SQLite hands over no bytes of it.
    while ((m_settings.maxRecords == 0 || m_records.Count() < m_settings.maxRecords) &&
           statement.Step())
        m_records.Append([&](int column) { return statement.Column(column); });
}

// A category whose pictures were added together has row ids that follow each other:
// then its count and its first and last row ids say which they are, at the cost of a
// plain count. Otherwise the row ids are stepped through once; a find's result gives
// them. Either way the first records' values are fetched at once: the first page is
// shown next.
void TSQLiteQuery::FetchRowIds()
{
    TRecordKeys rowIds;
    if (m_settings.recordKeys) {
        // Records chosen by key lie scattered (a find's matches): the statement that
        // reads them by key is prepared now, with the others, rather than with the first
        // records' reading, which may come again with other keys.
        m_plan->KeyLookUp();
        rowIds = TRecordKeys::Of(*m_settings.recordKeys, m_settings.maxRecords);
    } else {
        // One read transaction, so that the count and the row ids agree.
        TSQLiteSavepoint reading(m_database, QStringLiteral("zentuvio_read"),
                                 QStringLiteral("Cannot run the query on database"));
        const qint64 count = SingleValue(m_plan->RowIdCount()).toLongLong();
        TSQLiteStatement ends = m_plan->RowIdEnds();
        const bool hasEnds = ends.Step();
        const qint64 first = hasEnds ? ends.ColumnInt64(0) : 0;
        const qint64 last = hasEnds ? ends.ColumnInt64(1) : -1;
        const int max = m_settings.maxRecords;
        const int wanted = int(max == 0 ? count : std::min<qint64>(count, max));
        if (last - first + 1 == count)
            rowIds.AppendRun(first, wanted);
        else
            StepRowIds(m_plan->RowIdScan(), rowIds, wanted);
        reading.Release();
    }
    m_records.WalkByKeys(std::move(rowIds), m_settings.cacheSize);
    if (m_records.Count() > 0)
        m_records.Hold(*this, 0);
}

void TSQLiteQuery::ReadRange(qint64 firstKey, qint64 lastKey, const TVisit& visit)
{
    TSQLiteStatement& window = m_plan->Window();
    // Reset at once: a statement left stepping would keep a read lock on the file.
    const auto reset = qScopeGuard([&] { window.Reset(); });
    window.Reset();
    window.Bind(1, firstKey);
    window.Bind(2, lastKey);
    while (window.Step())
        visit(window.ColumnInt64(0), [&](int column) { return window.Column(column + 1); });
}

// A statement of its own for each row id would also be a read transaction of its own,
// which costs more than the look-up: the row ids are asked for many at a time.
void TSQLiteQuery::ReadKeys(const std::vector<qint64>& keys, const TVisit& visit)
{
    TSQLiteStatement& lookUp = m_plan->KeyLookUp();
    // Reset at once: a statement left stepping would keep a read lock on the file.
    const auto reset = qScopeGuard([&] { lookUp.Reset(); });
    constexpr std::size_t perLookUp = TSQLiteResultPlan::KeysPerLookUp;
    for (std::size_t first = 0; first < keys.size(); first += perLookUp) {
        lookUp.Reset();
        for (std::size_t place = 0; place < perLookUp; ++place) {
            const std::size_t at = first + place;
            lookUp.Bind(int(place) + 1, at < keys.size() ? QVariant(keys[at]) : QVariant());
        }
        while (lookUp.Step())
            visit(lookUp.ColumnInt64(0), [&](int column) { return lookUp.Column(column + 1); });
    }
}

QVariant TSQLiteQuery::RowKey(int row, int column)
{
    const TSQLiteResultPlan::TColumn& c = m_plan->Columns()[std::size_t(column)];
    if (c.keyedByRecord)
        return m_records.Keys().At(row);
    return c.keyColumn >= 0 ? Value(row, c.keyColumn) : QVariant();
}

qint64 TSQLiteQuery::ReadLazyBlob(int row, int column, TStream* out)
{
    // No key: the outer side of a LEFT JOIN without a matching row.
    const QVariant key = RowKey(row, column);
    if (!key.isValid())
        return -1;
    return TSQLiteBlob::Read(m_database, m_plan->Columns()[std::size_t(column)].origin,
                             key.toLongLong(), out);
}

bool TSQLiteQuery::CanModify(int column) const
{
    const TSQLiteResultPlan::TColumn& c = m_plan->Columns()[std::size_t(column)];
    return !c.origin.table.isEmpty() && (c.keyColumn >= 0 || c.keyedByRecord) && !c.isRowId &&
           !m_database.IsReadOnly(c.origin.schema);
}

void TSQLiteQuery::Post(int row, const std::map<int, QVariant>& changes)
{
    const TBusyTimeoutScope timeout(m_database, m_settings.busyTimeoutMs);
    const auto& columns = m_plan->Columns();
    // One UPDATE per table; by origin column, so that a column selected twice is set once.
    QHash<QString, std::map<QString, QVariant>> sets;
    QHash<QString, int> tableColumn; // a field of each table
    for (const auto& [field, value] : changes) {
        const TSQLiteResultPlan::TColumn& column = columns[std::size_t(field)];
        const QString table = column.origin.schema + QLatin1Char('.') + column.origin.table;
        sets[table][column.origin.column] = value;
        tableColumn.insert(table, field);
    }
    // Several tables are written all or none.
    std::optional<TSQLiteSavepoint> posting;
    if (sets.size() > 1)
        posting.emplace(m_database, QStringLiteral("zentuvio_post"), saveAction);
    for (auto it = sets.cbegin(); it != sets.cend(); ++it)
        UpdateTable(row, tableColumn[it.key()], it.value());
    if (posting)
        posting->Release();
    // The records take the stored values, in every column from the same origin.
    for (const auto& [field, value] : changes) {
        const TSQLiteColumnRef& origin = columns[std::size_t(field)].origin;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].origin == origin)
                m_records.Store(row, int(i), value);
        }
    }
}

// Writes values (by column name) to the row of the table that field's column comes from.
void TSQLiteQuery::UpdateTable(int row, int field, const std::map<QString, QVariant>& values)
{
    const TSQLiteResultPlan::TColumn& column = m_plan->Columns()[std::size_t(field)];
    const QVariant key = RowKey(row, field);
    QStringList assignments;
    for (const auto& entry : values)
        assignments << SQLiteQuoted(entry.first) + QStringLiteral(" = ?");
    const QString sql =
        QStringLiteral("UPDATE %1.%2 SET %3 WHERE %4 = ?")
            .arg(SQLiteQuoted(column.origin.schema), SQLiteQuoted(column.origin.table),
                 assignments.join(u", "), SQLiteQuoted(column.origin.keyName));
    TSQLiteStatement update(m_database, sql, saveAction);
    int parameter = 1;
    for (const auto& entry : values)
        update.Bind(parameter++, entry.second);
    update.Bind(parameter, key);
    update.Step();
    if (sqlite3_changes(m_database.Handle()) == 0)
        throw EDatabaseError(QStringLiteral("Row cannot be located for updating. Some values may "
                                            "have been changed since it was last read. (%1 = %2 "
                                            "in table %3 of '%4')")
                                 .arg(column.origin.keyName, key.toString(), column.origin.table,
                                      m_database.Path()));
}
