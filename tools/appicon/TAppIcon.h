#pragma once

#include <QImage>
#include <array>

// The gallery's application icon: a light, blue-framed tile holding four coloured
// pictures in a two-by-two grid, the gallery's sign for "every kind of artwork". Drawn
// for each size rather than scaled, so that the small sizes stay crisp.
class TAppIcon {
public:
    // The sizes the desktop's icon theme keeps (hicolor), in pixels.
    static constexpr std::array<int, 8> Sizes = {16, 22, 24, 32, 48, 64, 128, 256};

    static QImage Draw(int size);

private:
    static void DrawTile(QImage& image);
    static void DrawPictures(QImage& image);
};
