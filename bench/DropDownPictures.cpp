#include "TApplication.h"
#include "TMainMenuDropDowns.h"

#include <QDir>
#include <cstdio>

// Writes the drop-downs of the main window's three top items, as the program paints
// them, to DIR/menu-dropdown-1.png ... (the pictures of the documentation). The second
// entry of each is selected, so that the highlight shows.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    TMainMenuDropDowns dropDowns;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int i = 0; i < dropDowns.TopItemCount(); ++i) {
        auto window = dropDowns.Open(i);
        window->SetSelected(window->Entries().size() > 1 ? 1 : 0);
        const QString name = dir.filePath(QStringLiteral("menu-dropdown-%1.png").arg(i + 1));
        if (!window->CanvasImage().save(name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
