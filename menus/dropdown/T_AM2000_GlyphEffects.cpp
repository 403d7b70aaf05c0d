#include "T_AM2000_GlyphEffects.h"

#include "TColors.h"
#include "T_AM2000_Colors.h"

#include <array>

namespace {

// Pixels at least this light (grey value) are left out of a dark-only shape.
constexpr int ShapeLightness = 176;
// Other colours move 1 / LightenDivisor of the way to white.
constexpr double LightenDivisor = 4;

constexpr std::array<std::array<int, 3>, 3> BlurWeights{{{1, 2, 1}, {2, 2, 2}, {1, 2, 1}}};

// The lighter value of a channel of a standard colour, or -1 for any other value.
int LighterStandardChannel(int channel)
{
    switch (channel) {
    case 0x00:
        return 0x30;
    case 0x80:
        return 0x90;
    case 0xC0:
        return 0xD0;
    case 0xFF:
        return 0xFF;
    default:
        return -1;
    }
}

bool IsStandardColor(QRgb color)
{
    static const std::array<quint32, 16> standard{
        clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
        clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
    const quint32 value = TColors::FromRGB(qRed(color), qGreen(color), qBlue(color));
    for (quint32 colour : standard) {
        if (value == colour)
            return true;
    }
    return false;
}

QImage Argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage T_AM2000_GlyphEffects::KeyedOut(const QImage& image, QRgb key)
{
    QImage result = Argb(image);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
        }
    }
    return result;
}

QRgb T_AM2000_GlyphEffects::LightenColor(QRgb color)
{
    if (IsStandardColor(color))
        return qRgba(LighterStandardChannel(qRed(color)), LighterStandardChannel(qGreen(color)),
                     LighterStandardChannel(qBlue(color)), qAlpha(color));
    const TColor lighter = T_AM2000_Colors::BlendColor(
        TColors::FromRGB(qRed(color), qGreen(color), qBlue(color)), clWhite, LightenDivisor);
    const QColor result = TColors::ToQColor(lighter);
    return qRgba(result.red(), result.green(), result.blue(), qAlpha(color));
}

QImage T_AM2000_GlyphEffects::Lighten(const QImage& glyph)
{
    QImage result = Argb(glyph);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                line[x] = LightenColor(line[x]);
        }
    }
    return result;
}

QImage T_AM2000_GlyphEffects::FlatShape(const QImage& glyph, QRgb color, bool darkOnly)
{
    const QImage source = Argb(glyph);
    QImage shape(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const bool inShape =
                qAlpha(from[x]) != 0 && (!darkOnly || qGray(from[x]) < ShapeLightness);
            to[x] = inShape ? (color | 0xFF000000u) : 0u;
        }
    }
    return shape;
}

QImage T_AM2000_GlyphEffects::SoftShadow(const QImage& glyph, QRgb shadow, QRgb under,
                                         QRgb underRight)
{
    const QImage source = Argb(glyph);
    QImage picture(source.width() + 2, source.height() + 2, QImage::Format_RGB32);
    const bool dither = (under & 0xFFFFFF) != (underRight & 0xFFFFFF);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = (dither && (x + y) % 2 != 0 ? underRight : under) | 0xFF000000u;
    }
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y + 1));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(from[x]) != 0)
                to[x + 1] = shadow | 0xFF000000u;
        }
    }
    return Blur(picture);
}

QImage T_AM2000_GlyphEffects::Blur(const QImage& image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            int red = 0, green = 0, blue = 0, weights = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!source.rect().contains(x + dx, y + dy))
                        continue;
                    const int weight = BlurWeights[dy + 1][dx + 1];
                    const QRgb pixel = source.pixel(x + dx, y + dy);
                    red += weight * qRed(pixel);
                    green += weight * qGreen(pixel);
                    blue += weight * qBlue(pixel);
                    weights += weight;
                }
            }
            result.setPixel(x, y, qRgb(red / weights, green / weights, blue / weights));
        }
    }
    return result;
}
