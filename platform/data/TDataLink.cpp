#include "TDataLink.h"

#include "Exception.h"
#include "TClassInfo.h"
#include "TDataSource.h"

const TClassInfo& TDataLink::StaticClassInfo()
{
    static const TClassInfo info("TDataLink", &TPersistent::StaticClassInfo());
    return info;
}

TDataLink::TDataLink() = default;

TDataLink::~TDataLink()
{
    // Virtual calls from here reach only this class's empty notifications.
    m_dataSourceFixed = false;
    SetDataSource(nullptr);
}

void TDataLink::SetDataSource(TDataSource* dataSource)
{
    if (dataSource == m_dataSource)
        return;
    if (m_dataSourceFixed)
        throw EDatabaseError(
            QStringLiteral("Operation not allowed in a DBCtrlGrid: the data source is fixed"));
    if (m_dataSource)
        m_dataSource->RemoveDataLink(this);
    if (dataSource)
        dataSource->AddDataLink(this);
}

TDataSet* TDataLink::DataSet() const
{
    return m_dataSource ? m_dataSource->DataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    UpdateState();
}

bool TDataLink::Edit()
{
    if (!m_readOnly && m_dataSource)
        m_dataSource->Edit();
    return m_editing;
}

void TDataLink::UpdateRecord()
{
    struct TUpdating {
        bool& flag;
        ~TUpdating() { flag = false; }
    } updating{m_updating};
    m_updating = true;
    UpdateData();
}

void TDataLink::UpdateState()
{
    const TDataSetState state = m_dataSource ? m_dataSource->State() : TDataSetState::dsInactive;
    const bool active = state != TDataSetState::dsInactive;
    if (active != m_active) {
        m_active = active;
        ActiveChanged();
    }
    const bool editing = state == TDataSetState::dsEdit && !m_readOnly;
    if (editing != m_editing) {
        m_editing = editing;
        EditingChanged();
    }
}

void TDataLink::DataEvent(TDataEvent event, TField* field)
{
    if (event == TDataEvent::deUpdateState) {
        UpdateState();
        return;
    }
    if (!m_active)
        return;
    switch (event) {
    case TDataEvent::deFieldChange:
    case TDataEvent::deRecordChange:
        // The link's own write-back (UpdateRecord) does not come back to it.
        if (!m_updating)
            RecordChanged(field);
        break;
    case TDataEvent::deDataSetChange:
        DataSetChanged();
        break;
    case TDataEvent::deDataSetScroll:
        DataSetScrolled();
        break;
    case TDataEvent::deLayoutChange:
        LayoutChanged();
        break;
    case TDataEvent::deUpdateRecord:
        UpdateRecord();
        break;
    case TDataEvent::deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case TDataEvent::deUpdateState:
        break;
    }
}
