#include "T_AM2000_GlyphEffects.h"

#include <gtest/gtest.h>

namespace {

QRgb Rgb(QRgb pixel)
{
    return pixel & 0xFFFFFF;
}

} // namespace

TEST(GlyphLightening, TheSixteenStandardColoursTakeTheirFixedLighterColours)
{
    // Channels 0x00 -> 0x30, 0x80 -> 0x90, 0xC0 -> 0xD0, 0xFF stays.
    const std::pair<QRgb, QRgb> standard[] = {
        {qRgb(0x00, 0x00, 0x00), qRgb(0x30, 0x30, 0x30)}, // black
        {qRgb(0x80, 0x00, 0x00), qRgb(0x90, 0x30, 0x30)}, // maroon
        {qRgb(0x00, 0x80, 0x00), qRgb(0x30, 0x90, 0x30)}, // green
        {qRgb(0x80, 0x80, 0x00), qRgb(0x90, 0x90, 0x30)}, // olive
        {qRgb(0x00, 0x00, 0x80), qRgb(0x30, 0x30, 0x90)}, // navy
        {qRgb(0x80, 0x00, 0x80), qRgb(0x90, 0x30, 0x90)}, // purple
        {qRgb(0x00, 0x80, 0x80), qRgb(0x30, 0x90, 0x90)}, // teal
        {qRgb(0x80, 0x80, 0x80), qRgb(0x90, 0x90, 0x90)}, // gray
        {qRgb(0xC0, 0xC0, 0xC0), qRgb(0xD0, 0xD0, 0xD0)}, // silver
        {qRgb(0xFF, 0x00, 0x00), qRgb(0xFF, 0x30, 0x30)}, // red
        {qRgb(0x00, 0xFF, 0x00), qRgb(0x30, 0xFF, 0x30)}, // lime
        {qRgb(0xFF, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x30)}, // yellow
        {qRgb(0x00, 0x00, 0xFF), qRgb(0x30, 0x30, 0xFF)}, // blue
        {qRgb(0xFF, 0x00, 0xFF), qRgb(0xFF, 0x30, 0xFF)}, // fuchsia
        {qRgb(0x00, 0xFF, 0xFF), qRgb(0x30, 0xFF, 0xFF)}, // aqua
        {qRgb(0xFF, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0xFF)}, // white
    };
    for (const auto& [colour, lighter] : standard)
        EXPECT_EQ(Rgb(T_AM2000_GlyphEffects::LightenColor(colour)), Rgb(lighter))
            << Qt::hex << colour;
}

TEST(GlyphLightening, OtherColoursMoveAQuarterOfTheWayToWhite)
{
    // c + round((255 - c) / 4): 100 -> 139 (38.75), 200 -> 214 (13.75), 40 -> 94 (53.75).
    EXPECT_EQ(Rgb(T_AM2000_GlyphEffects::LightenColor(qRgb(100, 200, 40))),
              Rgb(qRgb(139, 214, 94)));
    // One channel off the standard set makes the colour an ordinary one:
    // 128 + round(31.75) = 160, 129 + round(31.5) = 161.
    EXPECT_EQ(Rgb(T_AM2000_GlyphEffects::LightenColor(qRgb(0x80, 0x80, 0x81))),
              Rgb(qRgb(160, 160, 161)));
}

TEST(GlyphLightening, TransparentPixelsStayAsTheyAre)
{
    QImage glyph(2, 1, QImage::Format_ARGB32);
    glyph.setPixel(0, 0, qRgba(0, 0, 0, 255));
    glyph.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage lighter = T_AM2000_GlyphEffects::Lighten(glyph);
    EXPECT_EQ(lighter.pixel(0, 0), qRgba(0x30, 0x30, 0x30, 255));
    EXPECT_EQ(lighter.pixel(1, 0), qRgba(0, 0, 0, 0));
}

TEST(ShadowBlur, EachPixelAveragesTheWeightsThatFallInside)
{
    // One bright pixel of 250 in the middle of a black 3 x 3 picture.
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(1, 1, qRgb(250, 250, 250));
    const QImage blurred = T_AM2000_GlyphEffects::Blur(picture);
    // Corner (0, 0): weights inside 2 (itself), 2 (right), 2 (below), 1 (diagonal) = 7;
    // the bright pixel is its diagonal: 250 / 7 = 35.
    EXPECT_EQ(qRed(blurred.pixel(0, 0)), 35);
    EXPECT_EQ(qRed(blurred.pixel(2, 2)), 35);
    // Edge (1, 0): weights 2 2 2 on its row and 1 2 1 below = 10; the bright pixel is
    // straight below (weight 2): 500 / 10 = 50.
    EXPECT_EQ(qRed(blurred.pixel(1, 0)), 50);
    // Middle: all nine weights, 14; itself weighs 2: 500 / 14 = 35.
    EXPECT_EQ(qRed(blurred.pixel(1, 1)), 35);
}

TEST(ShadowBlur, CornerWeightsAreTwoTwoTwoAndOne)
{
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(0, 0, qRgb(70, 0, 0));
    picture.setPixel(1, 0, qRgb(140, 0, 0));
    picture.setPixel(1, 1, qRgb(210, 0, 0));
    // (2 * 70 + 2 * 140 + 2 * 0 + 1 * 210) / 7 = 630 / 7 = 90.
    EXPECT_EQ(qRed(T_AM2000_GlyphEffects::Blur(picture).pixel(0, 0)), 90);
}

TEST(SoftShadow, TheShapeLiesOnePixelRightAndDownOverTheBackgroundAndIsBlurred)
{
    QImage glyph(1, 1, QImage::Format_ARGB32);
    glyph.setPixel(0, 0, qRgba(10, 20, 30, 255));
    const QRgb white = qRgb(255, 255, 255);
    const QImage shadow = T_AM2000_GlyphEffects::SoftShadow(glyph, qRgb(0, 0, 0), white, white);
    ASSERT_EQ(shadow.size(), QSize(3, 3));
    // White 3 x 3 with the black shape at (1, 1):
    // corner (255 * 6 + 0 * 1) / 7 = 218; edge (255 * 8 + 0 * 2) / 10 = 204;
    // middle (255 * 12 + 0 * 2) / 14 = 218.
    EXPECT_EQ(qRed(shadow.pixel(0, 0)), 218);
    EXPECT_EQ(qRed(shadow.pixel(1, 0)), 204);
    EXPECT_EQ(qRed(shadow.pixel(1, 1)), 218);
}

TEST(SoftShadow, AnUnevenBackgroundBecomesADither)
{
    QImage glyph(2, 2, QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    const QImage shadow =
        T_AM2000_GlyphEffects::SoftShadow(glyph, qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(140, 140, 140));
    // A 4 x 4 checkerboard of 0 and 140, blurred: corner (0, 0) holds 0 with its two
    // straight neighbours 140 and its diagonal 0: (2 * 140 * 2) / 7 = 80.
    EXPECT_EQ(qRed(shadow.pixel(0, 0)), 80);
    // Inner pixel (1, 1) holds 0: four straight neighbours 140 (weight 2), four
    // diagonal 0: 1120 / 14 = 80.
    EXPECT_EQ(qRed(shadow.pixel(1, 1)), 80);
}

TEST(GlyphShape, FlatShapeKeepsOpaquePixelsAndDarkOnlyLeavesOutLightOnes)
{
    QImage glyph(3, 1, QImage::Format_ARGB32);
    glyph.setPixel(0, 0, qRgba(20, 20, 20, 255));
    glyph.setPixel(1, 0, qRgba(240, 240, 240, 255));
    glyph.setPixel(2, 0, 0);
    const QImage all = T_AM2000_GlyphEffects::FlatShape(glyph, qRgb(1, 2, 3));
    EXPECT_EQ(all.pixel(0, 0), qRgba(1, 2, 3, 255));
    EXPECT_EQ(all.pixel(1, 0), qRgba(1, 2, 3, 255));
    EXPECT_EQ(qAlpha(all.pixel(2, 0)), 0);
    const QImage dark = T_AM2000_GlyphEffects::FlatShape(glyph, qRgb(1, 2, 3), true);
    EXPECT_EQ(dark.pixel(0, 0), qRgba(1, 2, 3, 255));
    EXPECT_EQ(qAlpha(dark.pixel(1, 0)), 0);
}
