#include "TabcCustomButtonList.h"

#include "TClassInfo.h"

const TClassInfo& TabcCustomButtonList::StaticClassInfo()
{
    static const TClassInfo info("TabcCustomButtonList", &TWinControl::StaticClassInfo(),
                                 [](TClassInfo&) {});
    return info;
}

TabcCustomButtonList::TabcCustomButtonList(TComponent* owner)
    : TWinControl(owner)
{
    SetTabStop(true);
}
