#include "TMenuItem.h"

#include "TClassInfo.h"
#include "TPopupMenu.h"

const TClassInfo& TMenuItem::StaticClassInfo()
{
    static const TClassInfo info("TMenuItem", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TMenuItem>();
        c.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, QString());
        c.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true);
        c.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true);
        c.Event("OnClick", &TMenuItem::OnClick);
    });
    return info;
}

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
{}

TMenuItem::~TMenuItem()
{
    if (m_menu)
        m_menu->Remove(this);
}

void TMenuItem::Click()
{
    if (m_enabled)
        OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
        menu->Add(this);
}
