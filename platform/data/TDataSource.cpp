#include "TDataSource.h"

#include "TClassInfo.h"
#include "TDataLink.h"

#include <algorithm>

const TClassInfo& TDataSource::StaticClassInfo()
{
    static const TClassInfo info("TDataSource", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TDataSource>();
        c.Property("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit, true);
        c.Reference("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
        c.Property("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled, true);
        c.Event("OnDataChange", &TDataSource::OnDataChange);
        c.Event("OnStateChange", &TDataSource::OnStateChange);
        c.Event("OnUpdateData", &TDataSource::OnUpdateData);
    });
    return info;
}

TDataSource::TDataSource(TComponent* owner)
    : TComponent(owner)
{}

TDataSource::~TDataSource()
{
    m_freeing = true;
    // The links go inactive and forget this source while it is still whole.
    while (!m_links.empty())
        RemoveDataLink(m_links.back());
    SetDataSet(nullptr);
}

// Between two open data sets the links go inactive first, so that they let go of the
// old set's fields before they take the new set's.
void TDataSource::SetDataSet(TDataSet* dataSet)
{
    if (dataSet == m_dataSet)
        return;
    SetState(TDataSetState::dsInactive);
    if (m_dataSet) {
        m_dataSet->RemoveDataSource(this);
        RemoveFreeNotification(m_dataSet);
    }
    m_dataSet = dataSet;
    if (m_dataSet) {
        m_dataSet->AddDataSource(this);
        FreeNotification(m_dataSet);
    }
    UpdateState();
}

void TDataSource::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    UpdateState();
}

void TDataSource::Edit()
{
    if (m_autoEdit && m_state == TDataSetState::dsBrowse)
        m_dataSet->Edit();
}

void TDataSource::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // The data set is half gone here: forget it without calling into it. (A data set
    // normally detaches its sources in its own destructor, before this.)
    if (operation == TOperation::opRemove && component == m_dataSet) {
        m_dataSet = nullptr;
        UpdateState();
    }
}

void TDataSource::DataEvent(TDataEvent event, TField* field)
{
    if (event == TDataEvent::deUpdateState) {
        UpdateState();
        return;
    }
    if (m_state == TDataSetState::dsInactive)
        return;
    NotifyLinks(event, field);
    switch (event) {
    case TDataEvent::deFieldChange:
    case TDataEvent::deRecordChange:
    case TDataEvent::deDataSetChange:
    case TDataEvent::deDataSetScroll:
        OnDataChange(this, field);
        break;
    case TDataEvent::deUpdateRecord:
        OnUpdateData(this);
        break;
    default:
        break;
    }
}

void TDataSource::NotifyLinks(TDataEvent event, TField* field)
{
    // A callback may add or remove links: walk a copy, skip the ones gone.
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links) {
        if (std::find(m_links.begin(), m_links.end(), link) != m_links.end())
            link->DataEvent(event, field);
    }
}

void TDataSource::UpdateState()
{
    SetState(m_enabled && m_dataSet ? m_dataSet->State() : TDataSetState::dsInactive);
}

void TDataSource::SetState(TDataSetState state)
{
    if (state == m_state)
        return;
    const TDataSetState prior = m_state;
    m_state = state;
    NotifyLinks(TDataEvent::deUpdateState, nullptr);
    if (m_freeing || IsDestroying())
        return;
    OnStateChange(this);
    if (prior == TDataSetState::dsInactive)
        OnDataChange(this, nullptr);
}

void TDataSource::AddDataLink(TDataLink* link)
{
    m_links.push_back(link);
    link->m_dataSource = this;
    link->UpdateState();
}

void TDataSource::RemoveDataLink(TDataLink* link)
{
    std::erase(m_links, link);
    link->m_dataSource = nullptr;
    link->UpdateState();
}
