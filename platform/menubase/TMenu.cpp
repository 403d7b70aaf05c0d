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
    // A copy: a viewer may leave while it is told.
    const auto viewers = m_viewers;
    for (const auto& [viewer, handler] : viewers)
        handler(source, rebuild);
}

void TMenu::AddViewer(const void* viewer, ViewerHandler handler)
{
    m_viewers.emplace_back(viewer, std::move(handler));
}

void TMenu::RemoveViewer(const void* viewer)
{
    std::erase_if(m_viewers, [viewer](const auto& entry) { return entry.first == viewer; });
}
