#include "TCatalogueTool.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    // Reading pictures needs Qt's image plug-ins, found through the application object.
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return TCatalogueTool(out, err).Run(application.arguments().mid(1));
}
