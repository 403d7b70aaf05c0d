#include "AppClasses.h"

#include "TMianForm.h"

void RegisterAppClasses()
{
    TMianForm::StaticClassInfo();
}
