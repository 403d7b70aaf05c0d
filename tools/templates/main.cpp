// zentuvio-templates: renders the sample screen templates, every screen in every colour
// scheme, as PNG files named "<screen>-<scheme>.png" in OUTDIR.

#include "TTemplateRenderer.h"
#include "TTemplateScheme.h"
#include "TTemplateScreens.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPainter>
#include <QTextStream>
#include <QWidget>

namespace {

const QLatin1String programName("zentuvio-templates");
constexpr int sheetColumns = 4;
constexpr int sheetGap = 8; // pixels of white between thumbnails
constexpr int workingFontPixels = 16;

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << programName << ": cannot write '" << path << "'\n";
    return false;
}

// The thumbnails in rows of sheetColumns, for looking them over at a glance.
QImage ContactSheet(const std::vector<QImage>& thumbnails)
{
    const QSize cell = TTemplateRenderer::thumbnailSize + QSize(sheetGap, sheetGap);
    const int rows = int(thumbnails.size() + sheetColumns - 1) / sheetColumns;
    QImage sheet(sheetColumns * cell.width() + sheetGap, rows * cell.height() + sheetGap,
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (size_t i = 0; i < thumbnails.size(); ++i)
        painter.drawImage(sheetGap + int(i % sheetColumns) * cell.width(),
                          sheetGap + int(i / sheetColumns) * cell.height(), thumbnails[i]);
    return sheet;
}

} // namespace

int main(int argc, char* argv[])
{
    // Widgets need a platform; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // One style everywhere, so that the templates do not depend on the desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Large enough that the controls fill the working size like a real window's do.
    QFont font = QApplication::font();
    font.setPixelSize(workingFontPixels);
    QApplication::setFont(font);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the sample screen templates."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Output folder."));
    const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
                                         QStringLiteral("Also write all thumbnails to FILE."),
                                         QStringLiteral("FILE"));
    parser.addOption(sheetOption);
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QDir folder(parser.positionalArguments().front());
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << programName << ": cannot make folder '" << folder.path() << "'\n";
        return 1;
    }
    std::vector<QImage> thumbnails;
    for (const TTemplateScreens::TScreen& screen : TTemplateScreens::All()) {
        for (const TTemplateScheme& scheme : TTemplateScheme::All()) {
            const std::unique_ptr<QWidget> widget = screen.build();
            thumbnails.push_back(TTemplateRenderer::Render(*widget, scheme.Palette()));
            const QString name = screen.name + QLatin1Char('-') + scheme.Name() + ".png";
            if (!Save(thumbnails.back(), folder.filePath(name)))
                return 1;
        }
    }
    if (parser.isSet(sheetOption) && !Save(ContactSheet(thumbnails), parser.value(sheetOption)))
        return 1;
    return 0;
}
