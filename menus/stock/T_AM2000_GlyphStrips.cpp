#include "T_AM2000_GlyphStrips.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TResourceStream.h"

#include <QPainter>

namespace {

constexpr QRgb TransparentColor = 0xFFFF00FF; // magenta
// Pixels of a disabled glyph's shape: opaque and darker than this (0..255 grey level),
// so that light fills and highlights drop out and the outlines stay.
constexpr int ShapeLightness = 176;

QImage ReadStrip(const T_AM2000_GlyphStripResource& strip)
{
    TResourceStream stream(strip.name);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    const bool fits = bitmap.Width() == strip.cells * T_AM2000_GlyphStrips::CellSize &&
                      bitmap.Height() == T_AM2000_GlyphStrips::CellSize;
    if (bitmap.PixelFormat() != TPixelFormat::pf8bit || !fits)
        throw EInvalidGraphic(
            QStringLiteral("Glyph strip %1 is not an 8-bit bitmap of %2 cells of 16 x 16")
                .arg(strip.name)
                .arg(strip.cells));
    QImage pixels = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (row[x] == TransparentColor)
                row[x] = 0;
        }
    }
    return pixels;
}

} // namespace

T_AM2000_GlyphStrips::T_AM2000_GlyphStrips(std::span<const T_AM2000_GlyphStripResource> strips)
{
    std::vector<QImage> images;
    int width = 0;
    for (const T_AM2000_GlyphStripResource& strip : strips) {
        images.push_back(ReadStrip(strip));
        width += images.back().width();
    }
    if (width == 0)
        return;
    m_cells = QImage(width, CellSize, QImage::Format_ARGB32_Premultiplied);
    m_cells.fill(Qt::transparent);
    QPainter painter(&m_cells);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    int x = 0;
    for (const QImage& image : images) {
        painter.drawImage(x, 0, image);
        x += image.width();
    }
}

QRect T_AM2000_GlyphStrips::CellRect(int cell) const
{
    return QRect(cell * CellSize, 0, CellSize, CellSize);
}

QImage T_AM2000_GlyphStrips::Cell(int cell) const
{
    if (cell < 0 || cell >= CellCount())
        return QImage();
    return m_cells.copy(CellRect(cell));
}

QImage T_AM2000_GlyphStrips::FlatShape(int cell, TColor color) const
{
    const QImage glyph = Cell(cell).convertToFormat(QImage::Format_ARGB32);
    QImage shape(glyph.size(), QImage::Format_ARGB32);
    const QRgb ink = TColors::ToQColor(color).rgb();
    for (int y = 0; y < glyph.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(glyph.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x) {
            const bool inShape = qAlpha(source[x]) != 0 && qGray(source[x]) < ShapeLightness;
            target[x] = inShape ? ink : 0;
        }
    }
    return shape;
}

void T_AM2000_GlyphStrips::Draw(TCanvas& canvas, int x, int y, int cell, bool enabled,
                                TColor disabledText, TColor disabledShadow) const
{
    if (cell < 0 || cell >= CellCount())
        return;
    const QRect cellArea(0, 0, CellSize, CellSize);
    if (enabled) {
        canvas.DrawImage(QRect(x, y, CellSize, CellSize), m_cells, CellRect(cell));
        return;
    }
    if (disabledShadow != clNone)
        canvas.DrawImage(QRect(x + 1, y + 1, CellSize, CellSize), FlatShape(cell, disabledShadow),
                         cellArea);
    canvas.DrawImage(QRect(x, y, CellSize, CellSize), FlatShape(cell, disabledText), cellArea);
}
