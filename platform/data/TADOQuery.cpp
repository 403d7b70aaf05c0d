#include "TADOQuery.h"

#include "Exception.h"
#include "TADOConnection.h"
#include "TBlobField.h"
#include "TClassInfo.h"
#include "TIntegerField.h"
#include "TMemoryStream.h"
#include "TSQLiteBlob.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteProgressScope.h"
#include "TSQLiteRecordWindow.h"
#include "TSQLiteResultPlan.h"
#include "TSQLiteRowIds.h"
#include "TSQLiteSavepoint.h"

#include <QHash>
#include <algorithm>
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

void StepRowIds(TSQLiteStatement scan, TSQLiteRowIds& rowIds, int wanted)
{
    while (rowIds.Count() < wanted && scan.Step())
        rowIds.Append(scan.ColumnInt64(0));
}

// The row ids of the plan's records, at most maxRecords of them (0: all). A category whose
// pictures were added together has row ids that follow each other: then its count and its
// first and last row ids say which they are, at the cost of a plain count. Otherwise the
// row ids are stepped through once.
void FetchRowIdsOf(TSQLiteResultPlan& plan, int maxRecords, TSQLiteRowIds& rowIds)
{
    const qint64 count = SingleValue(std::move(plan.RowIdCount())).toLongLong();
    TSQLiteStatement ends = std::move(plan.RowIdEnds());
    const bool hasEnds = ends.Step();
    const qint64 first = hasEnds ? ends.ColumnInt64(0) : 0;
    const qint64 last = hasEnds ? ends.ColumnInt64(1) : -1;
    const int wanted = int(maxRecords == 0 ? count : std::min<qint64>(count, maxRecords));
    if (last - first + 1 == count)
        rowIds.AppendRun(first, wanted);
    else
        StepRowIds(std::move(plan.RowIdScan()), rowIds, wanted);
}

QString UniqueFieldName(const TFields& fields, const QString& name)
{
    if (!fields.FindField(name))
        return name;
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1_%2").arg(name).arg(n);
        if (!fields.FindField(candidate))
            return candidate;
    }
}

QByteArray BytesOf(const QVariant& value)
{
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray()
                                                   : value.toString().toUtf8();
}

} // namespace

const TClassInfo& TADOQuery::StaticClassInfo()
{
    static const TClassInfo info("TADOQuery", &TDataSet::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TADOQuery>();
        c.Property("CacheSize", &TADOQuery::CacheSize, &TADOQuery::SetCacheSize, 1);
        c.Property("CommandTimeout", &TADOQuery::CommandTimeout, &TADOQuery::SetCommandTimeout, 30);
        c.Reference("Connection", &TADOQuery::Connection, &TADOQuery::SetConnection);
        c.Property("CursorLocation", &TADOQuery::CursorLocation, &TADOQuery::SetCursorLocation,
                   TCursorLocation::clUseClient);
        c.Property("CursorType", &TADOQuery::CursorType, &TADOQuery::SetCursorType,
                   TCursorType::ctKeyset);
        c.Property("LockType", &TADOQuery::LockType, &TADOQuery::SetLockType,
                   TADOLockType::ltOptimistic);
        c.Property("MaxRecords", &TADOQuery::MaxRecords, &TADOQuery::SetMaxRecords, 0);
        c.Property("SQL", &TADOQuery::SQL, &TADOQuery::SetSQL, QStringList());
    });
    return info;
}

TADOQuery::TADOQuery(TComponent* owner)
    : TDataSet(owner)
{}

TADOQuery::~TADOQuery()
{
    Close();
    SetConnection(nullptr);
}

void TADOQuery::SetConnection(TADOConnection* connection)
{
    if (connection == m_connection)
        return;
    // Not Close() inside a layout: that would cancel a streamed Active = True.
    if (Active())
        Close();
    if (m_connection) {
        m_connection->DetachDataSet(this);
        RemoveFreeNotification(m_connection);
    }
    m_connection = connection;
    if (m_connection) {
        m_connection->AttachDataSet(this);
        FreeNotification(m_connection);
    }
}

void TADOQuery::Notification(TComponent* component, TOperation operation)
{
    TDataSet::Notification(component, operation);
    // The connection closed this query in its destructor; it is half gone now.
    if (operation == TOperation::opRemove && component == m_connection)
        m_connection = nullptr;
}

void TADOQuery::SetSQL(const QStringList& lines)
{
    if (lines == m_sql)
        return;
    if (Active())
        Close();
    m_sql = lines;
}

void TADOQuery::SetSQLLine(int index, const QString& line)
{
    if (index < 0 || index >= m_sql.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    if (m_sql[index] == line)
        return;
    if (Active())
        Close();
    m_sql[index] = line;
}

void TADOQuery::SetRecordKeys(std::optional<std::vector<qint64>> rowIds)
{
    if (Active())
        Close();
    m_recordKeys = std::move(rowIds);
}

bool TADOQuery::BlobsAreLazy() const
{
    return m_plan && std::any_of(m_plan->Columns().begin(), m_plan->Columns().end(),
                                 [](const TSQLiteResultPlan::TColumn& c) { return c.lazy; });
}

bool TADOQuery::BlobLoadsSkipped() const
{
    return m_plan && m_plan->SkipsBlobLoads();
}

bool TADOQuery::WalksByRowId() const
{
    return m_window != nullptr;
}

int TADOQuery::RecordsHeld() const
{
    return m_window ? m_window->Held() : m_recordCount;
}

QString TADOQuery::ReadOnlyReason() const
{
    return m_connection ? m_connection->ReadOnlyReason() : QString();
}

TADOConnection& TADOQuery::CheckConnection() const
{
    if (!m_connection)
        throw EDatabaseError(
            QStringLiteral("%1: Missing Connection or ConnectionString").arg(Name()));
    return *m_connection;
}

// --- Opening ---------------------------------------------------------------------------

void TADOQuery::InternalOpen()
{
    TSQLiteDatabase& database = CheckConnection().Database();
    const TBusyTimeoutScope timeout(database, m_busyTimeoutMs);
    const TSQLiteProgressScope pulse(database);
    m_plan = std::make_unique<TSQLiteResultPlan>(database, SQLText());
    CreateFields();
    if (m_plan->KeyedByRowId())
        FetchRowIds();
    else if (m_recordKeys)
        throw EDatabaseError(QStringLiteral("%1: records chosen by row id need a plain SELECT of "
                                            "one table, not '%2'.")
                                 .arg(Name(), SQLText()));
    else
        FetchRecords();
    // Finalized at once: a statement left open would keep a read lock on the file.
    m_plan->Statement() = TSQLiteStatement();
}

void TADOQuery::CreateFields()
{
    const auto& columns = m_plan->Columns();
    m_slots.assign(columns.size(), -1);
    m_slotCount = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const TSQLiteResultPlan::TColumn& column = columns[i];
        const QString name = UniqueFieldName(Fields(), column.name);
        const int index = int(i);
        std::unique_ptr<TField> field;
        switch (column.kind) {
        case TKind::Blob:
            field = std::make_unique<TBlobField>(this, name, index);
            break;
        case TKind::Integer:
            field = std::make_unique<TIntegerField>(
                this, name, column.isRowId ? TFieldType::ftAutoInc : TFieldType::ftInteger, index);
            break;
        case TKind::Text:
            field = std::make_unique<TField>(this, name, TFieldType::ftString, index);
            break;
        case TKind::Float:
            field = std::make_unique<TField>(this, name, TFieldType::ftFloat, index);
            break;
        case TKind::Unknown:
            field = std::make_unique<TField>(this, name, TFieldType::ftUnknown, index);
            break;
        }
        AddField(std::move(field));
        if (!column.lazy)
            m_slots[i] = m_slotCount++;
    }
}

void TADOQuery::FetchRecords()
{
    TSQLiteStatement& statement = m_plan->Statement();
    const int columns = int(m_slots.size());
    m_recordCount = 0;
    while ((m_maxRecords == 0 || m_recordCount < m_maxRecords) && statement.Step()) {
        for (int column = 0; column < columns; ++column) {
            // A lazy blob is not asked for: SQLite hands over no bytes of it.
            if (m_slots[std::size_t(column)] >= 0)
                m_values.push_back(statement.Column(column));
        }
        ++m_recordCount;
    }
}

// The first records' values are fetched at once: the first page is shown next.
void TADOQuery::FetchRowIds()
{
    auto rowIds = std::make_unique<TSQLiteRowIds>();
    if (m_recordKeys) {
        const std::size_t count = m_maxRecords == 0
                                      ? m_recordKeys->size()
                                      : std::min(m_recordKeys->size(), std::size_t(m_maxRecords));
        for (std::size_t i = 0; i < count; ++i)
            rowIds->Append((*m_recordKeys)[i]);
    } else {
        // One read transaction, so that the count and the row ids agree.
        TSQLiteSavepoint reading(CheckConnection().Database(), QStringLiteral("zentuvio_read"),
                                 QStringLiteral("Cannot run the query on database"));
        FetchRowIdsOf(*m_plan, m_maxRecords, *rowIds);
        reading.Release();
    }
    m_recordCount = rowIds->Count();
    m_rowIds = std::move(rowIds);
    m_window = std::make_unique<TSQLiteRecordWindow>(m_slots, m_slotCount, m_cacheSize);
    if (m_recordCount > 0)
        m_window->Hold(m_plan->Window(), *m_rowIds, 0);
}

void TADOQuery::InternalClose()
{
    m_window.reset();
    m_rowIds.reset();
    m_plan.reset();
    std::vector<QVariant>().swap(m_values);
    m_slots.clear();
    m_slotCount = 0;
    m_recordCount = 0;
}

// --- Reading ---------------------------------------------------------------------------

const QVariant& TADOQuery::Stored(int row, int column) const
{
    if (m_window) {
        m_window->Hold(m_plan->Window(), *m_rowIds, row);
        return m_window->Value(row, column);
    }
    return m_values[std::size_t(row) * std::size_t(m_slotCount) +
                    std::size_t(m_slots[std::size_t(column)])];
}

void TADOQuery::Store(int row, int column, const QVariant& value)
{
    if (m_slots[std::size_t(column)] < 0)
        return;
    if (m_window)
        m_window->Store(row, column, value);
    else
        m_values[std::size_t(row) * std::size_t(m_slotCount) +
                 std::size_t(m_slots[std::size_t(column)])] = value;
}

QVariant TADOQuery::RowKey(int row, int column) const
{
    const TSQLiteResultPlan::TColumn& c = m_plan->Columns()[std::size_t(column)];
    if (c.keyedByRecord)
        return m_rowIds->At(row);
    return c.keyColumn >= 0 ? Stored(row, c.keyColumn) : QVariant();
}

QVariant TADOQuery::InternalValue(int row, int field) const
{
    if (m_slots[std::size_t(field)] >= 0)
        return Stored(row, field);
    TMemoryStream stream;
    if (InternalReadBlob(row, field, &stream) < 0)
        return QVariant();
    const QByteArray& bytes = stream.Bytes();
    return QVariant(bytes.isNull() ? QByteArray("") : bytes);
}

qint64 TADOQuery::InternalReadBlob(int row, int field, TStream* out) const
{
    const TSQLiteResultPlan::TColumn& column = m_plan->Columns()[std::size_t(field)];
    if (column.lazy) {
        // No key: the outer side of a LEFT JOIN without a matching row.
        const QVariant key = RowKey(row, field);
        if (!key.isValid())
            return -1;
        return TSQLiteBlob::Read(CheckConnection().Database(), column.origin, key.toLongLong(),
                                 out);
    }
    const QVariant& value = Stored(row, field);
    if (!value.isValid())
        return -1;
    const QByteArray bytes = BytesOf(value);
    if (out)
        out->WriteBuffer(bytes.constData(), bytes.size());
    return bytes.size();
}

// --- Writing ---------------------------------------------------------------------------

bool TADOQuery::InternalCanModify() const
{
    if (m_lockType == TADOLockType::ltReadOnly || !m_plan)
        return false;
    for (int i = 0; i < int(m_plan->Columns().size()); ++i) {
        if (InternalFieldCanModify(i))
            return true;
    }
    return false;
}

bool TADOQuery::InternalFieldCanModify(int field) const
{
    if (m_lockType == TADOLockType::ltReadOnly || !m_plan || !m_connection)
        return false;
    const TSQLiteResultPlan::TColumn& column = m_plan->Columns()[std::size_t(field)];
    return !column.origin.table.isEmpty() && (column.keyColumn >= 0 || column.keyedByRecord) &&
           !column.isRowId && !m_connection->Database().IsReadOnly(column.origin.schema);
}

void TADOQuery::InternalPost(int row, const std::map<int, QVariant>& changes)
{
    TSQLiteDatabase& database = CheckConnection().Database();
    const TBusyTimeoutScope timeout(database, m_busyTimeoutMs);
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
        posting.emplace(database, QStringLiteral("zentuvio_post"), saveAction);
    for (auto it = sets.cbegin(); it != sets.cend(); ++it)
        UpdateTable(database, row, tableColumn[it.key()], it.value());
    if (posting)
        posting->Release();
    // The records take the stored values, in every column from the same origin.
    for (const auto& [field, value] : changes) {
        const TSQLiteColumnRef& origin = columns[std::size_t(field)].origin;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].origin == origin)
                Store(row, int(i), value);
        }
    }
}

// Writes values (by column name) to the row of the table that field's column comes from.
void TADOQuery::UpdateTable(TSQLiteDatabase& database, int row, int field,
                            const std::map<QString, QVariant>& values) const
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
    TSQLiteStatement update(database, sql, saveAction);
    int parameter = 1;
    for (const auto& entry : values)
        update.Bind(parameter++, entry.second);
    update.Bind(parameter, key);
    update.Step();
    if (sqlite3_changes(database.Handle()) == 0)
        throw EDatabaseError(
            QStringLiteral("Row cannot be located for updating. Some values may "
                           "have been changed since it was last read. (%1 = %2 "
                           "in table %3 of '%4')")
                .arg(column.origin.keyName, key.toString(), column.origin.table, database.Path()));
}
