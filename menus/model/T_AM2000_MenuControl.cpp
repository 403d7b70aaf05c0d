#include "T_AM2000_MenuControl.h"

#include "TClassInfo.h"

const TClassInfo& T_AM2000_MenuControl::StaticClassInfo()
{
    static const TClassInfo info("T_AM2000_MenuControl", &TPersistent::StaticClassInfo());
    return info;
}

void T_AM2000_MenuControl::Changed() const
{
    if (OnChange)
        OnChange();
}

bool T_AM2000_MenuControl::Paint(TCanvas&, const QRect&, bool) const
{
    return false;
}
