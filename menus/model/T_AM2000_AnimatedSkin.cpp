#include "T_AM2000_AnimatedSkin.h"

#include "TClassInfo.h"
#include "T_AM2000_Options.h"

#include <algorithm>

const TClassInfo& T_AM2000_AnimatedSkin::StaticClassInfo()
{
    static const TClassInfo info("T_AM2000_AnimatedSkin", &TComponent::StaticClassInfo());
    return info;
}

T_AM2000_AnimatedSkin::T_AM2000_AnimatedSkin(TComponent* owner)
    : TComponent(owner)
    , m_options(std::make_unique<T_AM2000_Options>(this))
{}

T_AM2000_AnimatedSkin::~T_AM2000_AnimatedSkin() = default;

T_AM2000_Title* T_AM2000_AnimatedSkin::Title() const
{
    return m_options->Title();
}

T_AM2000_Colors* T_AM2000_AnimatedSkin::Colors() const
{
    return m_options->Colors();
}

T_AM2000_Margins* T_AM2000_AnimatedSkin::Margins() const
{
    return m_options->Margins();
}

T_AM2000_Skin* T_AM2000_AnimatedSkin::Skin() const
{
    return m_options->Skin();
}

void T_AM2000_AnimatedSkin::AddClient(I_AM2000_OptionsOwner* client)
{
    if (std::find(m_clients.begin(), m_clients.end(), client) == m_clients.end())
        m_clients.push_back(client);
}

void T_AM2000_AnimatedSkin::RemoveClient(I_AM2000_OptionsOwner* client)
{
    std::erase(m_clients, client);
}

void T_AM2000_AnimatedSkin::OptionsChanged()
{
    for (I_AM2000_OptionsOwner* client : m_clients)
        client->OptionsChanged();
}
