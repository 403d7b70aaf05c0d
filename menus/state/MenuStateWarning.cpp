#include "MenuStateWarning.h"

#include <cstdio>

void MenuStateWarning(const QString& text)
{
    std::fprintf(stderr, "menu state: %s\n", qPrintable(text));
}
