#include "TControlActionLink.h"

#include "TAction.h"
#include "TControl.h"

TControlActionLink::TControlActionLink(TControl* client)
    : m_client(client)
{}

void TControlActionLink::ApplyAction(bool checkDefaults)
{
    const TAction* action = Action();
    if (!action)
        return;
    if (!checkDefaults || m_client->Caption().isEmpty())
        SetCaption(action->Caption());
    if (!checkDefaults || m_client->Enabled())
        SetEnabled(action->Enabled());
    if (!checkDefaults || m_client->Hint().isEmpty())
        SetHint(action->Hint());
    if (!checkDefaults || m_client->Visible())
        SetVisible(action->Visible());
}

void TControlActionLink::SetCaption(const QString& caption)
{
    m_client->SetCaption(caption);
}

void TControlActionLink::SetEnabled(bool value)
{
    m_client->SetEnabled(value);
}

void TControlActionLink::SetHint(const QString& hint)
{
    m_client->SetHint(hint);
}

void TControlActionLink::SetVisible(bool value)
{
    m_client->SetVisible(value);
}
