#include "ButtonBarClasses.h"

#include "TabcButtonBar.h"
#include "TabcButtonPage.h"
#include "TabcMouseLabel.h"
#include "TabcPicSpeedBtn.h"
#include "TabcURLLabel.h"
#include "TabcWaveList.h"

void RegisterButtonBarClasses()
{
    TabcWaveList::StaticClassInfo();
    TabcPicSpeedBtn::StaticClassInfo();
    TabcButtonBar::StaticClassInfo();
    TabcButtonPage::StaticClassInfo();
    TabcMouseLabel::StaticClassInfo();
    TabcURLLabel::StaticClassInfo();
}
