#include "TFieldDataLink.h"

#include "Exception.h"
#include "TClassInfo.h"
#include "TComponent.h"
#include "TDataSet.h"
#include "TField.h"

const TClassInfo& TFieldDataLink::StaticClassInfo()
{
    static const TClassInfo info("TFieldDataLink", &TDataLink::StaticClassInfo());
    return info;
}

TFieldDataLink::TFieldDataLink() = default;

void TFieldDataLink::SetFieldName(const QString& fieldName)
{
    if (fieldName == m_fieldName)
        return;
    m_fieldName = fieldName;
    UpdateField();
}

bool TFieldDataLink::CanModify() const
{
    return !ReadOnly() && m_field && m_field->CanModify();
}

bool TFieldDataLink::Edit()
{
    if (CanModify())
        TDataLink::Edit();
    else if (const QString reason = ReadOnlyReason(); !reason.isEmpty())
        throw EDatabaseError(reason);
    return m_fieldEditing;
}

QString TFieldDataLink::ReadOnlyReason() const
{
    return m_field && m_field->DataSet() ? m_field->DataSet()->ReadOnlyReason() : QString();
}

void TFieldDataLink::ActiveChanged()
{
    UpdateField();
    OnActiveChange(this);
}

void TFieldDataLink::EditingChanged()
{
    SetEditing(DataSetEditing() && CanModify());
}

void TFieldDataLink::LayoutChanged()
{
    UpdateField();
}

void TFieldDataLink::RecordChanged(TField* field)
{
    if (field && field != m_field)
        return;
    OnDataChange(this);
    // After the callback: whatever the control did while reloading is not a change.
    m_modified = false;
}

void TFieldDataLink::UpdateData()
{
    if (!m_modified)
        return;
    if (m_field)
        OnUpdateData(this);
    m_modified = false;
}

void TFieldDataLink::UpdateField()
{
    if (!Active() || m_fieldName.isEmpty()) {
        SetField(nullptr);
        return;
    }
    TField* field = DataSet()->FindField(m_fieldName);
    if (!field) {
        SetField(nullptr);
        const QString owner = m_control ? m_control->Name() : DataSet()->Name();
        throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(owner, m_fieldName));
    }
    SetField(field);
}

void TFieldDataLink::SetField(TField* field)
{
    if (field == m_field)
        return;
    m_field = field;
    EditingChanged();
    RecordChanged(nullptr);
}

void TFieldDataLink::SetEditing(bool editing)
{
    if (editing == m_fieldEditing)
        return;
    m_fieldEditing = editing;
    m_modified = false;
    OnEditingChange(this);
}
