// zentuvio-menuglyphs: makes the glyph strips of the menus' stock commands
// (BMP_AM2000_MENUITEMCACHE0 and 1: one 16 x 16 cell for each stock row in key order,
// magenta where a row has no glyph) and the check and radio marks of menu items, as
// 8-bit Windows bitmaps with magenta as the transparent colour. A glyph is the icon
// theme's 16-pixel icon where one fits the command, else drawn here.

#include "GlyphPalette.h"
#include "MenuGlyphRecipes.h"
#include "TBitmapFile.h"
#include "T_AM2000_MenuItemCache.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int Cell = GlyphCanvas::Size;
constexpr int PreviewColumns = 16;
constexpr int PreviewZoom = 2;
constexpr int PreviewGap = 4;

struct Options {
    QDir output;
    IconFolder icons;
    QString preview;
};

QImage DrawRowGlyph(const T_AM2000_MenuItemCacheItem& row, const IconFolder& icons)
{
    GlyphCanvas canvas(icons);
    if (row.HasGlyph()) {
        const auto recipe = MenuGlyphRecipes().find(row.Caption());
        if (recipe == MenuGlyphRecipes().end())
            throw std::runtime_error("no glyph for " + row.Caption().toStdString());
        recipe->second(canvas);
    }
    return GlyphPalette::Flatten(canvas.Image());
}

// The cells of one strip, side by side, from the row at key position first on.
QImage DrawStrip(const T_AM2000_MenuItemCache& rows, int first, int cells, const IconFolder& icons)
{
    QImage strip(cells * Cell, Cell, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int cell = 0; cell < cells; ++cell)
        painter.drawImage(cell * Cell, 0, DrawRowGlyph(rows.Row(first + cell), icons));
    return strip;
}

QImage DrawMark(void (*draw)(GlyphCanvas&), const IconFolder& icons)
{
    GlyphCanvas canvas(icons);
    draw(canvas);
    return GlyphPalette::Flatten(canvas.Image());
}

void WriteBitmap(const QDir& folder, const QString& name, const QImage& flattened)
{
    const QString path = folder.filePath(name + QStringLiteral(".bmp"));
    const QByteArray bytes =
        TBitmapFile::WriteFile(GlyphPalette::ToIndexed(flattened), TPixelFormat::pf8bit);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Every picture on a grey sheet, twice the size, for looking them over.
QImage ContactSheet(const std::vector<QImage>& pictures)
{
    const int pitch = Cell * PreviewZoom + PreviewGap;
    const int rows = (int(pictures.size()) + PreviewColumns - 1) / PreviewColumns;
    QImage sheet(PreviewColumns * pitch + PreviewGap, rows * pitch + PreviewGap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&sheet);
    for (int index = 0; index < int(pictures.size()); ++index) {
        QImage picture = pictures[index].convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            std::replace(row, row + picture.width(), GlyphPalette::Transparent, QRgb(0));
        }
        const QPoint place(PreviewGap + index % PreviewColumns * pitch,
                           PreviewGap + index / PreviewColumns * pitch);
        painter.drawImage(QRect(place, QSize(Cell, Cell) * PreviewZoom), picture);
    }
    return sheet;
}

std::vector<QImage> Cells(const QImage& strip)
{
    std::vector<QImage> cells;
    for (int x = 0; x < strip.width(); x += Cell)
        cells.push_back(strip.copy(x, 0, Cell, Cell));
    return cells;
}

void MakeGlyphs(const Options& options)
{
    const T_AM2000_MenuItemCache rows{std::span<const T_AM2000_GlyphStripResource>()};
    std::vector<QImage> pictures;
    int first = 0;
    for (const T_AM2000_GlyphStripResource& strip : T_AM2000_MenuItemCache::StockGlyphStrips()) {
        const QImage image = DrawStrip(rows, first, strip.cells, options.icons);
        WriteBitmap(options.output, strip.name, image);
        const std::vector<QImage> cells = Cells(image);
        pictures.insert(pictures.end(), cells.begin(), cells.end());
        first += strip.cells;
    }
    if (first != rows.Count())
        throw std::runtime_error("the strips do not hold one cell for each stock row");
    const QImage check = DrawMark(DrawCheckMark, options.icons);
    const QImage radio = DrawMark(DrawRadioMark, options.icons);
    WriteBitmap(options.output, QStringLiteral("AM2000_SYSTEMCHECKMARK"), check);
    WriteBitmap(options.output, QStringLiteral("AM2000_SYSTEMRADIOITEM"), radio);
    pictures.push_back(check);
    pictures.push_back(radio);
    if (!options.preview.isEmpty() && !ContactSheet(pictures).save(options.preview, "PNG"))
        throw std::runtime_error("cannot write " + options.preview.toStdString());
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawn glyphs hold text, which needs fonts and so a platform; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Makes the glyph strips and marks of the menus' stock commands."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Output folder."));
    const QCommandLineOption iconsOption(
        QStringLiteral("icons"), QStringLiteral("The icon theme's 16-pixel folder."),
        QStringLiteral("folder"), QStringLiteral("/usr/share/icons/Tango/16x16"));
    const QCommandLineOption previewOption(
        QStringLiteral("preview"), QStringLiteral("Also write a PNG contact sheet to <file>."),
        QStringLiteral("file"));
    parser.addOption(iconsOption);
    parser.addOption(previewOption);
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    try {
        MakeGlyphs({QDir(parser.positionalArguments().constFirst()),
                    IconFolder(QDir(parser.value(iconsOption))), parser.value(previewOption)});
    } catch (const std::exception& error) {
        QTextStream(stderr) << "zentuvio-menuglyphs: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
