#include "DropDownPixels.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "T_AM2000_CheckMarks.h"

#include <gtest/gtest.h>

using namespace dropdownpixels;

namespace {

constexpr QRgb ink = 0x000000;     // clBlack
constexpr QRgb outline = 0xFF0000; // clRed
constexpr QRgb fill = 0x00FF00;    // clLime

// A 16 x 16 white box at (0, 0): x and y of the marks are the box's own.
class XpMarks : public ::testing::Test {
protected:
    XpMarks()
    {
        box.Canvas()->Brush()->SetColor(clWhite);
        box.Canvas()->FillRect(QRect(0, 0, 16, 16));
    }
    QRgb At(int x, int y) const { return box.Image().pixel(x, y) & 0xFFFFFF; }

    TBitmap box{16, 16, TPixelFormat::pf24bit};
};

} // namespace

TEST_F(XpMarks, CheckIsTheSixPointPolygonInTheTextColour)
{
    T_AM2000_CheckMarks::PaintXpCheck(*box.Canvas(), 0, 0, clBlack);
    // The six corners (11,6) (7,10) (5,8) (5,9) (7,11) (11,7) and the stroke between
    // (7,11) and (11,7) are inked.
    for (QPoint p : {QPoint(11, 6), QPoint(7, 10), QPoint(5, 8), QPoint(5, 9), QPoint(7, 11),
                     QPoint(11, 7), QPoint(9, 9), QPoint(8, 9)})
        EXPECT_EQ(At(p.x(), p.y()), ink) << p.x() << "," << p.y();
    // Above the upper stroke, beyond its ends and below the lower one it stays white.
    for (QPoint p :
         {QPoint(8, 8), QPoint(4, 8), QPoint(12, 6), QPoint(7, 12), QPoint(5, 10), QPoint(11, 5)})
        EXPECT_EQ(At(p.x(), p.y()), white) << p.x() << "," << p.y();
}

TEST_F(XpMarks, RadioRingFillsTheSquareFromTwoToThirteen)
{
    T_AM2000_CheckMarks::PaintXpRadio(*box.Canvas(), 0, 0, false, clRed, clLime, clBlack);
    // Outline on the ring's flat parts at the square's four sides.
    EXPECT_EQ(At(7, 2), outline);
    EXPECT_EQ(At(2, 7), outline);
    EXPECT_EQ(At(13, 7), outline);
    EXPECT_EQ(At(7, 13), outline);
    // The inside is filled with the menu colour; no dot when unchecked.
    EXPECT_EQ(At(7, 7), fill);
    EXPECT_EQ(At(5, 9), fill);
    // Outside the ring: the square's corners and the rows beyond it.
    EXPECT_EQ(At(2, 2), white);
    EXPECT_EQ(At(13, 13), white);
    EXPECT_EQ(At(7, 1), white);
    EXPECT_EQ(At(7, 14), white);
}

TEST_F(XpMarks, CheckedRadioHasADotFromFiveToEleven)
{
    T_AM2000_CheckMarks::PaintXpRadio(*box.Canvas(), 0, 0, true, clRed, clLime, clBlack);
    EXPECT_EQ(At(7, 7), ink);
    EXPECT_EQ(At(8, 8), ink);
    EXPECT_EQ(At(5, 7), ink);
    // Between dot and ring the fill shows.
    EXPECT_EQ(At(4, 7), fill);
    EXPECT_EQ(At(7, 4), fill);
    EXPECT_EQ(At(11, 8), fill);
}

TEST(ResourceMarks, BothMarksLoadWithTransparentSurroundings)
{
    for (bool radio : {false, true}) {
        const QImage& mark = T_AM2000_CheckMarks::ResourceMark(radio);
        ASSERT_FALSE(mark.isNull()) << radio;
        EXPECT_EQ(qAlpha(mark.pixel(0, mark.height() - 1)), 0) << radio;
        bool opaque = false;
        for (int y = 0; y < mark.height(); ++y)
            for (int x = 0; x < mark.width(); ++x)
                opaque = opaque || qAlpha(mark.pixel(x, y)) != 0;
        EXPECT_TRUE(opaque) << radio;
    }
}
