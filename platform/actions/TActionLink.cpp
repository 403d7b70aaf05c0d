#include "TActionLink.h"

#include "TAction.h"

#include <algorithm>

TActionLink::~TActionLink()
{
    SetAction(nullptr);
}

void TActionLink::SetAction(TAction* action)
{
    if (action == m_action)
        return;
    if (m_action)
        std::erase(m_action->m_links, this);
    m_action = action;
    if (m_action)
        m_action->m_links.push_back(this);
}

bool TActionLink::Execute()
{
    return m_action && m_action->Execute();
}
