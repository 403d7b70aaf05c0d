#include "SkinClasses.h"

#include "TFindBox.h"
#include "TFindwait_form.h"
#include "TMess.h"
#include "TMessnoresult.h"
#include "TMySpeedButton.h"

void RegisterSkinClasses()
{
    TNewimage::StaticClassInfo();
    TMySpeedButton::StaticClassInfo();
    TMyForm::StaticClassInfo();
    TTempmodal2::StaticClassInfo();
    TMess::StaticClassInfo();
    TMessnoresult::StaticClassInfo();
    TFindwait_form::StaticClassInfo();
    TFindBox::StaticClassInfo();
}
