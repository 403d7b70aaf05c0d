#include "TCatalogueTool.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    // Reading pictures needs Qt's image plug-ins, found through the application object;
    // drawing SVG text needs its fonts. The tool shows no window: it never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return TCatalogueTool(out, err).Run(application.arguments().mid(1));
}
