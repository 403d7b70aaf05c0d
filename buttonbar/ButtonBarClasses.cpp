#include "ButtonBarClasses.h"

#include "TabcMouseLabel.h"
#include "TabcURLLabel.h"
#include "TabcWaveList.h"

void RegisterButtonBarClasses()
{
    TabcWaveList::StaticClassInfo();
    TabcMouseLabel::StaticClassInfo();
    TabcURLLabel::StaticClassInfo();
}
