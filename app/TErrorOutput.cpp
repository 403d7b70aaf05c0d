#include "TErrorOutput.h"

#include <QString>
#include <cstdio>

void TErrorOutput::Print(const QString& message)
{
    std::fprintf(stderr, "zentuvio: %s\n", qPrintable(message));
}
