#include "AppClasses.h"

#include "ButtonBarClasses.h"
#include "DataClasses.h"
#include "DbPictureClasses.h"
#include "GifClasses.h"
#include "MenuClasses.h"
#include "SkinClasses.h"
#include "TMenuBar2000.h"
#include "TMianForm.h"

void RegisterAppClasses()
{
    RegisterDataClasses();
    RegisterGifClasses();
    RegisterDbPictureClasses();
    RegisterSkinClasses();
    RegisterButtonBarClasses();
    RegisterMenuClasses();
    TMenuBar2000::StaticClassInfo();
    TMianForm::StaticClassInfo();
}
