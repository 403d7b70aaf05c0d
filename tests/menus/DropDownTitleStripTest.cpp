#include "DropDownPixels.h"
#include "TFont.h"
#include "T_AM2000_Title.h"
#include "T_AM2000_TitleFont.h"
#include "T_AM2000_TitleStrip.h"

#include <gtest/gtest.h>

using namespace dropdownpixels;

TEST(TitleStripGradient, DefaultsRunFromBlackAtTheTopToBlueAtTheBottomIn256Bands)
{
    // 512 rows: band i covers rows 2i and 2i + 1. A = ColorEnd (black), B = ColorBegin
    // (blue). Blue steps by (255 - 0 + 1) / 256 = 1 per band; red and green by 1 / 256,
    // which rounds (ties to even) to 0 up to band 128 and to 1 from band 129 on.
    const QImage strip = T_AM2000_TitleStrip::Background(QSize(5, 512), clBlue, clBlack,
                                                         T_AM2000_Gradient::grTopToBottom);
    EXPECT_EQ(Rgb(strip, 0, 0), qRgb(0, 0, 0) & 0xFFFFFF);     // band 0
    EXPECT_EQ(Rgb(strip, 4, 3), qRgb(0, 0, 1) & 0xFFFFFF);     // band 1
    EXPECT_EQ(Rgb(strip, 2, 256), qRgb(0, 0, 128) & 0xFFFFFF); // band 128: 0.5 rounds to 0
    EXPECT_EQ(Rgb(strip, 2, 258), qRgb(1, 1, 129) & 0xFFFFFF); // band 129
    EXPECT_EQ(Rgb(strip, 2, 509), qRgb(1, 1, 254) & 0xFFFFFF); // band 254
    // Band 255 and everything below it are the begin colour itself.
    EXPECT_EQ(Rgb(strip, 2, 510), qRgb(0, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(Rgb(strip, 2, 511), qRgb(0, 0, 255) & 0xFFFFFF);
}

TEST(TitleStripGradient, BottomToTopExchangesTheColours)
{
    const QImage strip = T_AM2000_TitleStrip::Background(QSize(5, 256), clBlue, clBlack,
                                                         T_AM2000_Gradient::grBottomToTop);
    // A = blue, B = black: blue falls by (0 - 255 + 1) / 256 per band; the last row is black.
    EXPECT_EQ(Rgb(strip, 0, 0), qRgb(0, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(Rgb(strip, 0, 128), qRgb(0, 0, 128) & 0xFFFFFF); // 255 + round(-127)
    EXPECT_EQ(Rgb(strip, 0, 255), qRgb(0, 0, 0) & 0xFFFFFF);
}

TEST(TitleStripGradient, DualVerticalGoesThereAndBackInColumns)
{
    // 256 columns, one per band; A = black, B = white. First half steps by
    // 256 / 127; second half from white by (0 - 255 + 1) / 127 = -2.
    const QImage strip = T_AM2000_TitleStrip::Background(QSize(256, 3), clWhite, clBlack,
                                                         T_AM2000_Gradient::grDualVertical);
    EXPECT_EQ(qRed(strip.pixel(0, 1)), 0);
    EXPECT_EQ(qRed(strip.pixel(64, 1)), 129);  // round(64 * 2.0157) = 129
    EXPECT_EQ(qRed(strip.pixel(127, 1)), 255); // 256, kept at 255
    EXPECT_EQ(qRed(strip.pixel(128, 1)), 255); // back from white
    EXPECT_EQ(qRed(strip.pixel(200, 1)), 111); // 255 - 2 * 72
    EXPECT_EQ(qRed(strip.pixel(255, 1)), 1);   // 255 - 2 * 127
}

TEST(TitleStripGradient, InsideOutDrawsNestedRectanglesFromTheOutside)
{
    // Rectangle i from (i, i) to (255 - i, 255 - i) in 0 + round(2i * 1).
    const QImage strip = T_AM2000_TitleStrip::Background(QSize(256, 256), clWhite, clBlack,
                                                         T_AM2000_Gradient::grInsideOut);
    EXPECT_EQ(qRed(strip.pixel(0, 0)), 0);
    EXPECT_EQ(qRed(strip.pixel(10, 100)), 20);   // innermost rectangle holding it: 10
    EXPECT_EQ(qRed(strip.pixel(127, 127)), 254); // rectangle 127
    EXPECT_EQ(qAlpha(strip.pixel(255, 255)), 0); // right and bottom edges are excluded
}

TEST(TitleStripGradient, EqualColoursFillOnceAndBlockKindsDrawNoCourse)
{
    const QImage filled = T_AM2000_TitleStrip::Background(QSize(4, 4), clRed, clRed,
                                                          T_AM2000_Gradient::grTopToBottom);
    EXPECT_EQ(filled.pixel(3, 3), qRgba(255, 0, 0, 255));
    const QImage none = T_AM2000_TitleStrip::Background(QSize(4, 4), clNone, clNone,
                                                        T_AM2000_Gradient::grTopToBottom);
    EXPECT_EQ(qAlpha(none.pixel(0, 0)), 0);
    const QImage block = T_AM2000_TitleStrip::Background(QSize(4, 4), clBlue, clBlack,
                                                         T_AM2000_Gradient::grBlockTopToBottom);
    EXPECT_EQ(qAlpha(block.pixel(2, 2)), 0);
}

TEST(TitleStripText, BottomToTopLeftJustifiedTextEndsTenPixelsAboveTheBottom)
{
    T_AM2000_Title title;
    title.SetColorBegin(clNone);
    title.SetColorEnd(clNone);
    title.SetText(QStringLiteral("AB"));
    title.Font()->SetColor(clWhite);
    const QImage strip = T_AM2000_TitleStrip::Render(title, QSize(50, 200));
    // The text starts at y = L - 10 = 190 and runs upwards; x starts at (50 - h) / 2 - 2.
    int lowest = -1, highest = 200, leftmost = 50;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 50; ++x)
            if (qAlpha(strip.pixel(x, y)) != 0) {
                lowest = std::max(lowest, y);
                highest = std::min(highest, y);
                leftmost = std::min(leftmost, x);
            }
    ASSERT_GE(lowest, 0);
    EXPECT_LT(lowest, 190);
    EXPECT_GT(highest, 130); // two letters of a 24-point face are far shorter than 60 pixels
    EXPECT_LT(leftmost, 25);
}
