#include "TabcPicSpeedBtnActionLink.h"

#include "TAction.h"
#include "TabcCustomPicSpeedBtn.h"

TabcPicSpeedBtnActionLink::TabcPicSpeedBtnActionLink(TabcCustomPicSpeedBtn* client)
    : TControlActionLink(client)
    , m_client(client)
{}

void TabcPicSpeedBtnActionLink::ApplyAction(bool checkDefaults)
{
    TControlActionLink::ApplyAction(checkDefaults);
    const TAction* action = Action();
    if (!action)
        return;
    if (!checkDefaults || !m_client->Down())
        m_client->SetDown(action->Checked());
    if (!checkDefaults || m_client->ImageIndex() == -1)
        m_client->SetImageIndex(action->ImageIndex());
}

void TabcPicSpeedBtnActionLink::SetChecked(bool value)
{
    m_client->SetDown(value);
}

void TabcPicSpeedBtnActionLink::SetImageIndex(int index)
{
    m_client->SetImageIndex(index);
}
