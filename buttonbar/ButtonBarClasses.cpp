#include "ButtonBarClasses.h"

#include "TabcWaveList.h"

void RegisterButtonBarClasses()
{
    TabcWaveList::StaticClassInfo();
}
