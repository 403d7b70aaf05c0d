// zentuvio-icon: draws the gallery's application icon at every size of the desktop's
// icon theme: OUTDIR/hicolor/NxN/apps/NAME.png.

#include "TAppIcon.h"

#include <QDir>
#include <QTextStream>

// Painting into images needs no application object and no display.
int main(int argc, char* argv[])
{
    QTextStream errors(stderr);
    if (argc != 3) {
        errors << "usage: zentuvio-icon OUTDIR NAME\n";
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : TAppIcon::Sizes) {
        const QString folder = output.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
        const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!QDir().mkpath(folder) || !TAppIcon::Draw(size).save(file, "PNG")) {
            errors << "zentuvio-icon: cannot write '" << file << "'\n";
            return 1;
        }
    }
    return 0;
}
