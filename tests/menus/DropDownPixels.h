#pragma once

#include <QImage>

// Pixels of drawn menus as 0xRRGGBB, and the colours the menu tests expect in them.
namespace dropdownpixels {

inline QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// Standard colours (clBlack, clWhite, clRed, clLime, clBlue, clFuchsia, clAqua, clPurple,
// clYellow).
constexpr QRgb black = 0x000000, white = 0xFFFFFF, red = 0xFF0000, lime = 0x00FF00, blue = 0x0000FF,
               fuchsia = 0xFF00FF, aqua = 0x00FFFF, purple = 0x800080, yellow = 0xFFFF00;

// The fixed system colour table of the test runs: menu, button shadow, highlight.
constexpr QRgb systemMenu = 0xF0F0F0, systemButtonShadow = 0xA0A0A0, systemHighlight = 0x3399FF;

} // namespace dropdownpixels
