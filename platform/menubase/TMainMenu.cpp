#include "TMainMenu.h"

#include "TClassInfo.h"
#include "TMenuItem.h"

const TClassInfo& TMainMenu::StaticClassInfo()
{
    static const TClassInfo info("TMainMenu", &TMenu::StaticClassInfo(),
                                 [](TClassInfo& c) { c.Creatable<TMainMenu>(); });
    return info;
}

TMainMenu::TMainMenu(TComponent* owner)
    : TMainMenu(owner, std::make_unique<TMenuItem>(nullptr))
{}

TMainMenu::TMainMenu(TComponent* owner, std::unique_ptr<TMenuItem> root)
    : TMenu(owner, std::move(root))
{}
