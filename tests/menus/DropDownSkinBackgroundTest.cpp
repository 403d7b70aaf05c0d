#include "DropDownPixels.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "T_AM2000_SkinBackground.h"

#include <gtest/gtest.h>

using namespace dropdownpixels;

namespace {

using BL = T_AM2000_BackgroundLayout;

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

QImage Solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Render(const QImage& picture, BL layout, QSize size, QSize corner = {})
{
    return T_AM2000_SkinBackground::Render(picture, layout, corner, size, Qt::black);
}

// 3 x 3: red corners, lime edges, a blue middle.
QImage Framed()
{
    QImage image = Solid(QSize(3, 3), lime);
    for (QPoint p : {QPoint(0, 0), QPoint(2, 0), QPoint(0, 2), QPoint(2, 2)})
        image.setPixel(p, qRgb(255, 0, 0));
    image.setPixel(1, 1, qRgb(0, 0, 255));
    return image;
}

} // namespace

TEST(SkinBackground, PlacedLayoutsPutThePictureAtTheirCornerOrCentre)
{
    const QImage picture = Solid(QSize(2, 2), red);
    // 5 x 4 window: right = 3, bottom = 2, halves rounded toward zero (1 and 1).
    const QImage bottomRight = Render(picture, BL::blAtBottomRight, QSize(5, 4));
    EXPECT_EQ(At(bottomRight, 3, 2), red);
    EXPECT_EQ(At(bottomRight, 4, 3), red);
    EXPECT_EQ(At(bottomRight, 2, 2), black);
    const QImage centre = Render(picture, BL::blAtCenter, QSize(5, 4));
    EXPECT_EQ(At(centre, 1, 1), red);
    EXPECT_EQ(At(centre, 2, 2), red);
    EXPECT_EQ(At(centre, 0, 0), black);
    EXPECT_EQ(At(centre, 3, 3), black);
    const QImage topCentre = Render(picture, BL::blAtTopCenter, QSize(5, 4));
    EXPECT_EQ(At(topCentre, 1, 0), red);
    EXPECT_EQ(At(topCentre, 1, 2), black);
    for (BL layout : {BL::blDefault, BL::blExpandMenu, BL::blAtTopLeft}) {
        const QImage atOrigin = Render(picture, layout, QSize(5, 4));
        EXPECT_EQ(At(atOrigin, 0, 0), red);
        EXPECT_EQ(At(atOrigin, 1, 1), red);
        EXPECT_EQ(At(atOrigin, 2, 0), black);
    }
}

TEST(SkinBackground, TileRepeatsAndStretchFills)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    const QImage tiled = Render(picture, BL::blTile, QSize(5, 2));
    EXPECT_EQ(At(tiled, 2, 1), red);
    EXPECT_EQ(At(tiled, 3, 0), lime);
    EXPECT_EQ(At(tiled, 4, 1), red);
    const QImage stretched = Render(Solid(QSize(1, 1), blue), BL::blStretch, QSize(3, 3));
    EXPECT_EQ(At(stretched, 0, 0), blue);
    EXPECT_EQ(At(stretched, 2, 2), blue);
}

TEST(SkinBackground, SkinLayoutKeepsCornersAndStretchesEdgesAndMiddle)
{
    // Corners of 1 x 1 into 5 x 5: corners unscaled, edges and middle stretched.
    const QImage skin = Render(Framed(), BL::blSkin, QSize(5, 5), QSize(1, 1));
    EXPECT_EQ(At(skin, 0, 0), red);
    EXPECT_EQ(At(skin, 4, 4), red);
    EXPECT_EQ(At(skin, 4, 0), red);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(At(skin, i, 0), lime) << i;
        EXPECT_EQ(At(skin, 0, i), lime) << i;
        EXPECT_EQ(At(skin, 4, i), lime) << i;
        EXPECT_EQ(At(skin, i, i), blue) << i;
    }
}

TEST(SkinBackground, NinePartItemsCanLeaveOutTheirTopOrBottomCorners)
{
    TBitmap target(5, 5, TPixelFormat::pf24bit);
    target.Canvas()->Brush()->SetColor(clBlack);
    target.Canvas()->FillRect(QRect(0, 0, 5, 5));
    T_AM2000_SkinBackground::DrawNinePart(*target.Canvas(), QRect(0, 0, 5, 5), Framed(),
                                          QSize(1, 1), false, true);
    const QImage image = target.Image();
    EXPECT_EQ(At(image, 0, 0), black); // top corners left out
    EXPECT_EQ(At(image, 4, 0), black);
    EXPECT_EQ(At(image, 2, 0), lime); // the top edge is drawn
    EXPECT_EQ(At(image, 0, 4), red);  // bottom corners kept
    EXPECT_EQ(At(image, 2, 2), blue);
}
