#include "MenuClasses.h"

void RegisterMenuClasses()
{
    // The menu classes enter the registry here as they are added.
}
