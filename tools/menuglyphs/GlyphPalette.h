#pragma once

#include <QImage>

// Turns a drawn picture into the 8-bit form of the glyph resources: pixels less than
// half covered become magenta, the transparent colour; the others are laid over the
// light menu colour and mapped to a palette of at most 255 colours chosen by median
// cut, with magenta as the 256th.
class GlyphPalette {
public:
    static constexpr QRgb Transparent = 0xFFFF00FF;

    // The picture with every pixel opaque: magenta or a colour over the menu colour.
    static QImage Flatten(const QImage& picture);
    // An 8-bit image of a flattened picture.
    static QImage ToIndexed(const QImage& flattened);
};
