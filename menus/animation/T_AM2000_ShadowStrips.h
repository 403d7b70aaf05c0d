#pragma once

#include <QImage>
#include <cstdint>

// The two strips of a menu's soft shadow, made by darkening the screen under them by
// ninths: the right strip (Width x window height) and the bottom strip
// ((window width - Width) x Width). Column 0 of the right strip and row 0 of the bottom
// strip touch the menu.
class T_AM2000_ShadowStrips {
public:
    static constexpr int Width = 4;

    // How one pixel is darkened: to ninths / 9 of each byte, rounded, or, with
    // divideFirst, ninths * (byte div 9).
    struct Shade {
        int ninths = 9;
        bool divideFirst = false;
    };

    // round(value * ninths / 9), from a table made once.
    static std::uint8_t Darken(std::uint8_t value, int ninths);
    static std::uint8_t Apply(Shade shade, std::uint8_t value);

    // The pixel of the right strip at column and row, for a strip of height rows: the
    // middle rows keep 5/9 to 8/9 from the menu outward; the three rows at each end fade
    // out towards the corners.
    static Shade RightShade(int column, int row, int height);
    // The pixel of the bottom strip at column and row: rows keep 5/9 to 8/9 from the menu
    // outward, dividing first; the first four columns fade in from the left end.
    static Shade BottomShade(int column, int row);

    // The strips darkened from the screen content under them (24-bit colour).
    static QImage RightStrip(const QImage& background);
    static QImage BottomStrip(const QImage& background);
    // The same shades as black of partial opacity, for windows the window system
    // composes over the screen.
    static QImage RightMask(int height);
    static QImage BottomMask(int width);

private:
    // shadeAt(column, row) gives each pixel's Shade.
    template <typename ShadeAt> static QImage Darkened(const QImage& background, ShadeAt shadeAt);
    template <typename ShadeAt> static QImage Mask(QSize size, ShadeAt shadeAt);
};
