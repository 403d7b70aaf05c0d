#include "MenuClasses.h"

#include "TCustomAnimatedSkin2000.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "T_AM2000_BitmapControl.h"
#include "T_AM2000_ButtonArrayControl.h"
#include "T_AM2000_ButtonControl.h"
#include "T_AM2000_EditControl.h"
#include "T_AM2000_TextControl.h"

void RegisterMenuClasses()
{
    // Asking for the class information registers it.
    TMainMenu2000::StaticClassInfo();
    TMenuItem2000::StaticClassInfo();
    TCustomAnimatedSkin2000::StaticClassInfo();
    T_AM2000_ButtonControl::StaticClassInfo();
    T_AM2000_ButtonArrayControl::StaticClassInfo();
    T_AM2000_EditControl::StaticClassInfo();
    T_AM2000_BitmapControl::StaticClassInfo();
    T_AM2000_TextControl::StaticClassInfo();
}
