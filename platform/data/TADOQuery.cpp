#include "TADOQuery.h"

#include "Exception.h"
#include "TADOConnection.h"
#include "TBlobField.h"
#include "TClassInfo.h"
#include "TDataStore.h"
#include "TIntegerField.h"
#include "TStoreQuery.h"

namespace {

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

void TADOQuery::SetRecordKeys(std::optional<std::vector<qint64>> keys)
{
    if (Active() && keys && m_records->WalksByKey()) {
        ReplaceKeys(std::move(*keys));
        return;
    }
    if (Active())
        Close();
    m_recordKeys = std::move(keys);
}

// The statement is not run again: a find's next result costs only the reading of its
// first records.
void TADOQuery::ReplaceKeys(std::vector<qint64> keys)
{
    CheckBrowseMode();
    m_recordKeys = std::move(keys);
    try {
        m_records->ReplaceKeys(*m_recordKeys, m_maxRecords);
    } catch (...) {
        Close();
        throw;
    }
    First();
}

bool TADOQuery::BlobsAreLazy() const
{
    return m_records && m_records->BlobsAreLazy();
}

bool TADOQuery::BlobLoadsSkipped() const
{
    return m_records && m_records->BlobLoadsSkipped();
}

bool TADOQuery::WalksByKey() const
{
    return m_records && m_records->WalksByKey();
}

int TADOQuery::RecordsHeld() const
{
    return m_records ? m_records->RecordsHeld() : 0;
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

void TADOQuery::InternalOpen()
{
    m_records = CheckConnection().Store().OpenQuery(
        SQLText(), {m_cacheSize, m_maxRecords, m_busyTimeoutMs, m_recordKeys});
    if (m_recordKeys && !m_records->WalksByKey()) {
        m_records.reset();
        throw EDatabaseError(QStringLiteral("%1: records chosen by key need a plain SELECT of "
                                            "one table, not '%2'.")
                                 .arg(Name(), SQLText()));
    }
    CreateFields();
}

void TADOQuery::CreateFields()
{
    const auto& columns = m_records->Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const QString name = UniqueFieldName(Fields(), columns[i].name);
        const int index = int(i);
        const TFieldType type = columns[i].type;
        std::unique_ptr<TField> field;
        if (type == TFieldType::ftBlob)
            field = std::make_unique<TBlobField>(this, name, index);
        else if (type == TFieldType::ftInteger || type == TFieldType::ftAutoInc)
            field = std::make_unique<TIntegerField>(this, name, type, index);
        else
            field = std::make_unique<TField>(this, name, type, index);
        AddField(std::move(field));
    }
}

void TADOQuery::InternalClose()
{
    m_records.reset();
}

int TADOQuery::InternalRecordCount() const
{
    return m_records ? m_records->RecordCount() : 0;
}

QVariant TADOQuery::InternalValue(int row, int field) const
{
    return m_records->Value(row, field);
}

qint64 TADOQuery::InternalReadBlob(int row, int field, TStream* out) const
{
    return m_records->ReadBlob(row, field, out);
}

bool TADOQuery::InternalCanModify() const
{
    if (m_lockType == TADOLockType::ltReadOnly || !m_records)
        return false;
    for (int i = 0; i < int(m_records->Columns().size()); ++i) {
        if (m_records->CanModify(i))
            return true;
    }
    return false;
}

bool TADOQuery::InternalFieldCanModify(int field) const
{
    return m_lockType != TADOLockType::ltReadOnly && m_records && m_connection &&
           m_records->CanModify(field);
}

void TADOQuery::InternalPost(int row, const std::map<int, QVariant>& changes)
{
    m_records->Post(row, changes);
}

void TADOQuery::InternalPrefetch(int row, int count)
{
    m_records->PrefetchRecords(row, count);
}
