#pragma once

#include <QImage>
#include <QRgb>

// The pixel arithmetic of glyph drawing, on images whose alpha marks the glyph's
// opaque pixels: lightening, flat shapes and the blurred soft shadow.
class T_AM2000_GlyphEffects {
public:
    // The picture with alpha 0 where its colour is key (compared as RGB).
    static QImage KeyedOut(const QImage& image, QRgb key);
    // The lighter colour of a glyph pixel: the sixteen standard colours have fixed
    // lighter ones (channels 0, 0x80 and 0xC0 become 0x30, 0x90 and 0xD0; 0xFF stays),
    // any other colour moves a quarter of the way to white.
    static QRgb LightenColor(QRgb color);
    // Every opaque pixel lightened; transparent pixels untouched.
    static QImage Lighten(const QImage& glyph);
    // The glyph's opaque pixels in one colour, the rest transparent; with darkOnly only
    // the pixels darker than a mid-light grey belong to the shape (a disabled glyph's
    // engraving leaves out its light parts).
    static QImage FlatShape(const QImage& glyph, QRgb color, bool darkOnly = false);
    // The soft shadow put under a glyph: an opaque picture two pixels wider and higher
    // than the glyph, holding the background (under itself when under equals
    // underRight, else a 50 % dither of the two) with the glyph's shape in shadow one
    // pixel right and down, blurred. Drawn at the glyph's position, the glyph goes over it.
    static QImage SoftShadow(const QImage& glyph, QRgb shadow, QRgb under, QRgb underRight);
    // A 3 x 3 weighted average of every pixel with its neighbours (weights 1 2 1 /
    // 2 2 2 / 1 2 1), divided by the sum of the weights that fall inside the picture.
    static QImage Blur(const QImage& image);
};
