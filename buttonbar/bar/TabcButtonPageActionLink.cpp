#include "TabcButtonPageActionLink.h"

#include "TAction.h"
#include "TabcButtonPage.h"

TabcButtonPageActionLink::TabcButtonPageActionLink(TabcButtonPage* client)
    : TControlActionLink(client)
    , m_client(client)
{}

void TabcButtonPageActionLink::ApplyAction(bool checkDefaults)
{
    TControlActionLink::ApplyAction(checkDefaults);
    const TAction* action = Action();
    if (action && (!checkDefaults || m_client->ImageIndex() == -1))
        m_client->SetImageIndex(action->ImageIndex());
}

void TabcButtonPageActionLink::SetImageIndex(int index)
{
    m_client->SetImageIndex(index);
}

void TabcButtonPageActionLink::SetVisible(bool value)
{
    m_client->SetButtonVisible(value);
}
