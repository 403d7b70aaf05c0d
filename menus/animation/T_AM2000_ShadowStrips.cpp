#include "T_AM2000_ShadowStrips.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Ninths = std::array<int, T_AM2000_ShadowStrips::Width>;

// The right strip's rows at its top end, from the top row inward, each listed from the
// menu edge outward; the bottom end mirrors them.
constexpr std::array<Ninths, 3> rightEndRows{{{8, 8, 8, 9}, {7, 7, 8, 8}, {6, 6, 7, 8}}};
constexpr Ninths middle{5, 6, 7, 8};
// The bottom strip's first four pixels, rows from the menu edge outward, each listed from
// the left end rightward.
constexpr std::array<Ninths, 4> bottomLeftEnd{
    {{8, 7, 6, 5}, {8, 7, 6, 6}, {8, 8, 7, 7}, {9, 8, 8, 8}}};

// Every byte value darkened by every shade: columns 0..9 round, 10..19 divide first.
using Table = std::array<std::array<std::uint8_t, 20>, 256>;

const Table& Shades()
{
    static const Table table = [] {
        Table made{};
        for (int value = 0; value < 256; ++value)
            for (int ninths = 0; ninths <= 9; ++ninths) {
                made[value][ninths] = std::uint8_t(std::lround(value * ninths / 9.0));
                made[value][10 + ninths] = std::uint8_t(ninths * (value / 9));
            }
        return made;
    }();
    return table;
}

int Column(T_AM2000_ShadowStrips::Shade shade)
{
    return shade.divideFirst ? 10 + shade.ninths : shade.ninths;
}

} // namespace

std::uint8_t T_AM2000_ShadowStrips::Darken(std::uint8_t value, int ninths)
{
    return Shades()[value][ninths];
}

std::uint8_t T_AM2000_ShadowStrips::Apply(Shade shade, std::uint8_t value)
{
    return Shades()[value][Column(shade)];
}

template <typename ShadeAt>
QImage T_AM2000_ShadowStrips::Darkened(const QImage& background, ShadeAt shadeAt)
{
    const QImage source = background.convertToFormat(QImage::Format_RGB32);
    // 24-bit colour held in 32-bit words, as the window's backing store holds it, so that
    // painting the strips converts nothing.
    QImage strip(source.size(), QImage::Format_RGB32);
    const Table& shades = Shades();
    const int width = strip.width(), height = strip.height();
    for (int row = 0; row < height; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(strip.scanLine(row));
        for (int column = 0; column < width; ++column) {
            const int shade = Column(shadeAt(column, row));
            const QRgb pixel = from[column];
            to[column] = qRgb(shades[qRed(pixel)][shade], shades[qGreen(pixel)][shade],
                              shades[qBlue(pixel)][shade]);
        }
    }
    return strip;
}

// Black over the screen keeps 1 - alpha of it: the alpha that leaves what darkening
// leaves of white.
template <typename ShadeAt> QImage T_AM2000_ShadowStrips::Mask(QSize size, ShadeAt shadeAt)
{
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < size.height(); ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(mask.scanLine(row));
        for (int column = 0; column < size.width(); ++column)
            pixels[column] = qRgba(0, 0, 0, 255 - Apply(shadeAt(column, row), 255));
    }
    return mask;
}

T_AM2000_ShadowStrips::Shade T_AM2000_ShadowStrips::RightShade(int column, int row, int height)
{
    const int fromEnd = std::min(row, height - 1 - row);
    if (fromEnd < int(rightEndRows.size()))
        return {rightEndRows[fromEnd][column]};
    return {middle[column]};
}

T_AM2000_ShadowStrips::Shade T_AM2000_ShadowStrips::BottomShade(int column, int row)
{
    if (column < Width)
        return {bottomLeftEnd[row][column]};
    return {middle[row], true};
}

QImage T_AM2000_ShadowStrips::RightStrip(const QImage& background)
{
    const int height = background.height();
    return Darkened(background, [height](int c, int r) { return RightShade(c, r, height); });
}

QImage T_AM2000_ShadowStrips::BottomStrip(const QImage& background)
{
    return Darkened(background, [](int c, int r) { return BottomShade(c, r); });
}

QImage T_AM2000_ShadowStrips::RightMask(int height)
{
    return Mask(QSize(Width, height), [height](int c, int r) { return RightShade(c, r, height); });
}

QImage T_AM2000_ShadowStrips::BottomMask(int width)
{
    return Mask(QSize(width, Width), [](int c, int r) { return BottomShade(c, r); });
}
