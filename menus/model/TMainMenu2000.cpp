#include "TMainMenu2000.h"

#include "TClassInfo.h"
#include "TControl.h"
#include "TEditableMenuItem2000.h"
#include "T_AM2000_AnimatedSkin.h"
#include "T_AM2000_MenuOptions.h"

const TClassInfo& TMainMenu2000::StaticClassInfo()
{
    using M = TMainMenu2000;
    static const TClassInfo info(
        "TMainMenu2000", &TCustomMainMenu2000::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TMainMenu2000>();
            c.Object("Items", &M::EditableItems);
            c.Object("Options", &M::Options);
            c.Object("Font", &M::Font).stored = [](const TPersistent* o) {
                const auto* menu = static_cast<const M*>(o);
                return !menu->SystemFont() && !menu->ParentFont();
            };
            c.Property("ParentFont", &M::ParentFont, &M::SetParentFont, false);
            c.Property("SystemFont", &M::SystemFont, &M::SetSystemFont, true);
            c.Property("ShowHint", &M::ShowHint, &M::SetShowHint, true).stored =
                [](const TPersistent* o) { return !static_cast<const M*>(o)->ParentShowHint(); };
            c.Property("ParentShowHint", &M::ParentShowHint, &M::SetParentShowHint, true);
            c.Property("Ctl3D", &M::Ctl3D, &M::SetCtl3D, true).stored = [](const TPersistent* o) {
                return !static_cast<const M*>(o)->SystemCtl3D();
            };
            c.Property("SystemCtl3D", &M::SystemCtl3D, &M::SetSystemCtl3D, false);
            c.Property("SystemShadow", &M::SystemShadow, &M::SetSystemShadow, false);
            c.Property("SystemSelectionFade", &M::SystemSelectionFade, &M::SetSystemSelectionFade,
                       true);
            c.Reference("StatusBar", &M::StatusBar, &M::SetStatusBar);
            c.Property("StatusBarIndex", &M::StatusBarIndex, &M::SetStatusBarIndex, 0);
            c.Event("OnMenuCommand", &M::OnMenuCommand);
            c.Event("OnMenuClose", &M::OnMenuClose);
            c.Event("OnCloseQuery", &M::OnCloseQuery);
            c.Event("OnContextMenu", &M::OnContextMenu);
            c.Property("Version", &M::Version, &M::SetVersion, QString()).stored =
                [](const TPersistent*) { return false; };
            c.Reference("AnimatedSkin", &M::AnimatedSkin, &M::SetAnimatedSkin);
        });
    return info;
}

TMainMenu2000::TMainMenu2000(TComponent* owner)
    : TCustomMainMenu2000(owner)
{}
