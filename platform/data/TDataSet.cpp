#include "TDataSet.h"

#include "Exception.h"
#include "TClassInfo.h"
#include "TDataSource.h"
#include "TField.h"
#include "TStream.h"

#include <algorithm>

const TClassInfo& TDataSet::StaticClassInfo()
{
    static const TClassInfo info("TDataSet", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
        c.Property("Active", &TDataSet::Active, &TDataSet::SetActive, false);
    });
    return info;
}

TDataSet::TDataSet(TComponent* owner)
    : TComponent(owner)
{}

TDataSet::~TDataSet()
{
    // A subclass closes in its own destructor, while its records still exist; here only
    // the data sources are let go, while this object can still answer their questions.
    while (!m_dataSources.empty())
        m_dataSources.back()->SetDataSet(nullptr);
}

// --- Opening and closing ---------------------------------------------------------------

void TDataSet::SetActive(bool active)
{
    if (IsLoading()) {
        m_streamedActive = active;
        return;
    }
    if (active == Active())
        return;
    if (active)
        DoOpen();
    else
        DoClose();
}

void TDataSet::Loaded()
{
    TComponent::Loaded();
    if (m_streamedActive)
        SetActive(true);
}

void TDataSet::DoOpen()
{
    try {
        InternalOpen();
    } catch (...) {
        InternalClose();
        m_fields.Clear();
        throw;
    }
    const int count = InternalRecordCount();
    m_row = count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = count == 0;
    SetState(TDataSetState::dsBrowse);
}

void TDataSet::DoClose()
{
    m_pending.clear();
    m_modified = false;
    m_displayRow = -1;
    // Links let go of the fields (state inactive) before the fields are freed.
    SetState(TDataSetState::dsInactive);
    InternalClose();
    m_fields.Clear();
    m_row = -1;
    m_bof = true;
    m_eof = true;
}

void TDataSet::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(
            QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(Name()));
}

TField& TDataSet::AddField(std::unique_ptr<TField> field)
{
    return m_fields.Add(std::move(field));
}

TField* TDataSet::FieldByName(const QString& fieldName) const
{
    TField* field = FindField(fieldName);
    if (!field)
        throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(Name(), fieldName));
    return field;
}

// --- Cursor ----------------------------------------------------------------------------

int TDataSet::RecordCount() const
{
    CheckActive();
    return InternalRecordCount();
}

bool TDataSet::IsEmpty() const
{
    return !Active() || InternalRecordCount() == 0;
}

int TDataSet::RecNo() const
{
    return Active() && m_row >= 0 ? m_row + 1 : -1;
}

void TDataSet::SetRecNo(int recNo)
{
    CheckBrowseMode();
    const int count = InternalRecordCount();
    if (count == 0)
        return;
    m_row = std::clamp(recNo, 1, count) - 1;
    m_bof = false;
    m_eof = false;
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::First()
{
    CheckBrowseMode();
    const int count = InternalRecordCount();
    m_row = count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = count == 0;
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::Last()
{
    CheckBrowseMode();
    const int count = InternalRecordCount();
    m_row = count - 1;
    m_eof = true;
    m_bof = count == 0;
    DataEvent(TDataEvent::deDataSetChange);
}

int TDataSet::MoveBy(int distance)
{
    CheckBrowseMode();
    if (distance == 0 || (distance > 0 && m_eof) || (distance < 0 && m_bof))
        return 0;
    const int count = InternalRecordCount();
    m_bof = false;
    m_eof = false;
    const int target = m_row + distance;
    int moved = distance;
    if (target >= count) {
        moved = count - 1 - m_row;
        m_eof = true;
    } else if (target < 0) {
        moved = -m_row;
        m_bof = true;
    }
    m_row += moved;
    if (moved != 0)
        DataEvent(TDataEvent::deDataSetScroll);
    return moved;
}

void TDataSet::SetDisplayRecord(int recNo)
{
    CheckActive();
    const int count = InternalRecordCount();
    m_displayRow = recNo >= 1 && recNo <= count ? recNo - 1 : -1;
}

void TDataSet::PrefetchRecords(int recNo, int count)
{
    if (!Active())
        return;
    const int first = std::max(recNo - 1, 0);
    const int end = int(std::min<qint64>(qint64(recNo) - 1 + count, InternalRecordCount()));
    if (end > first)
        InternalPrefetch(first, end - first);
}

void TDataSet::InternalPrefetch(int, int) {}

// --- Field values ----------------------------------------------------------------------

QVariant TDataSet::FieldValue(const TField& field) const
{
    const int row = ViewRow();
    if (!Active() || row < 0)
        return QVariant();
    if (row == m_row) {
        const auto pending = m_pending.find(field.Index());
        if (pending != m_pending.end())
            return pending->second;
    }
    return InternalValue(row, field.Index());
}

qint64 TDataSet::ReadBlob(const TField& field, TStream* out) const
{
    const int row = ViewRow();
    if (!Active() || row < 0)
        return -1;
    if (row == m_row) {
        const auto pending = m_pending.find(field.Index());
        if (pending != m_pending.end()) {
            if (!pending->second.isValid())
                return -1;
            const QByteArray bytes = pending->second.toByteArray();
            if (out)
                out->WriteBuffer(bytes.constData(), bytes.size());
            return bytes.size();
        }
    }
    return InternalReadBlob(row, field.Index(), out);
}

void TDataSet::SetFieldValue(TField& field, const QVariant& value)
{
    if (m_state != TDataSetState::dsEdit)
        throw EDatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(Name()));
    if (!field.CanModify())
        throw EDatabaseError(
            QStringLiteral("%1: Field '%2' cannot be modified").arg(Name(), field.DisplayName()));
    // A blob keeps bytes: text given to it is stored as its UTF-8 bytes, not as text.
    m_pending[field.Index()] =
        field.IsBlob() && value.isValid() && value.typeId() != QMetaType::QByteArray
            ? QVariant(value.toString().toUtf8())
            : value;
    m_modified = true;
    DataEvent(TDataEvent::deFieldChange, &field);
}

bool TDataSet::FieldCanModify(const TField& field) const
{
    return CanModify() && InternalFieldCanModify(field.Index());
}

// --- Editing ---------------------------------------------------------------------------

bool TDataSet::CanModify() const
{
    return Active() && InternalRecordCount() > 0 && InternalCanModify();
}

void TDataSet::Edit()
{
    if (m_state == TDataSetState::dsEdit)
        return;
    CheckActive();
    if (!CanModify())
        throw EDatabaseError(QStringLiteral("%1: Cannot modify a read-only dataset").arg(Name()));
    m_displayRow = -1;
    SetState(TDataSetState::dsEdit);
    DataEvent(TDataEvent::deRecordChange);
}

void TDataSet::UpdateRecord()
{
    if (m_state != TDataSetState::dsEdit)
        throw EDatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(Name()));
    DataEvent(TDataEvent::deUpdateRecord);
}

void TDataSet::Post()
{
    CheckActive();
    UpdateRecord();
    DataEvent(TDataEvent::deCheckBrowseMode);
    if (!m_pending.empty())
        InternalPost(m_row, m_pending);
    m_pending.clear();
    m_modified = false;
    SetState(TDataSetState::dsBrowse);
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::Cancel()
{
    if (m_state != TDataSetState::dsEdit)
        return;
    DataEvent(TDataEvent::deCheckBrowseMode);
    m_pending.clear();
    m_modified = false;
    SetState(TDataSetState::dsBrowse);
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::CheckBrowseMode()
{
    CheckActive();
    DataEvent(TDataEvent::deCheckBrowseMode);
    if (m_state != TDataSetState::dsEdit)
        return;
    UpdateRecord();
    if (m_modified)
        Post();
    else
        Cancel();
}

// --- Notification ----------------------------------------------------------------------

void TDataSet::SetState(TDataSetState state)
{
    if (state == m_state)
        return;
    m_state = state;
    DataEvent(TDataEvent::deUpdateState);
}

void TDataSet::DataEvent(TDataEvent event, TField* field)
{
    // A handler may attach or detach data sources: walk a copy, skip the ones gone.
    const std::vector<TDataSource*> sources = m_dataSources;
    for (TDataSource* source : sources) {
        if (std::find(m_dataSources.begin(), m_dataSources.end(), source) != m_dataSources.end())
            source->DataEvent(event, field);
    }
}

void TDataSet::AddDataSource(TDataSource* source)
{
    if (std::find(m_dataSources.begin(), m_dataSources.end(), source) == m_dataSources.end())
        m_dataSources.push_back(source);
}

void TDataSet::RemoveDataSource(TDataSource* source)
{
    std::erase(m_dataSources, source);
}
