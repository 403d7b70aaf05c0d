#include "TMenu.h"

#include "TClassInfo.h"
#include "TMenuItem.h"

const TClassInfo& TMenu::StaticClassInfo()
{
    static const TClassInfo info("TMenu", &TComponent::StaticClassInfo());
    return info;
}

TMenu::TMenu(TComponent* owner, std::unique_ptr<TMenuItem> root)
    : TComponent(owner)
    , m_items(std::move(root))
{
    m_items->m_rootOf = this;
}

TMenu::~TMenu()
{
    m_items->m_rootOf = nullptr;
}

std::vector<TComponent*> TMenu::ChildComponents(const TComponent* root) const
{
    return m_items->ChildComponents(root);
}

void TMenu::ItemChanged(TMenuItem* source, bool rebuild)
{
    // Nothing shows a menu that is being read, or freed with its window.
    if (IsLoading() || IsDestroying() || (Owner() && Owner()->IsDestroying()))
        return;
    OnChange(this, source, rebuild);
    m_viewers.Tell(source, rebuild);
}
