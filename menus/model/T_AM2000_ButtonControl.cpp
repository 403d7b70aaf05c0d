#include "T_AM2000_ButtonControl.h"

#include "TClassInfo.h"

const TClassInfo& T_AM2000_ButtonControl::StaticClassInfo()
{
    using B = T_AM2000_ButtonControl;
    static const TClassInfo info(
        "T_AM2000_ButtonControl", &T_AM2000_MenuControl::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, true);
            c.Property("BorderFrame", &B::BorderFrame, &B::SetBorderFrame, true);
            c.Property("Down", &B::Down, &B::SetDown, false);
        });
    return info;
}
