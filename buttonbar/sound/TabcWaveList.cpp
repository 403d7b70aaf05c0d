#include "TabcWaveList.h"

#include "TClassInfo.h"

const TClassInfo& TabcWaveList::StaticClassInfo()
{
    static const TClassInfo info(
        "TabcWaveList", &TabcCustomWaveList::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TabcWaveList>();
            c.Property("Waves", &TabcWaveList::Waves, &TabcWaveList::SetWaves, QStringList());
        });
    return info;
}

TabcWaveList::TabcWaveList(TComponent* owner)
    : TabcCustomWaveList(owner)
{}
