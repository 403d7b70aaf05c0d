#include "DropDownPixels.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "T_AM2000_Separator.h"

#include <gtest/gtest.h>

using namespace dropdownpixels;

namespace {

constexpr QRgb background = 0x000000;

// A separator painted into a 30 x 12 black bitmap with indent 2: the line runs from
// x = 2 to 27, its shadow from 3 to 28; the middle row is 6.
class SeparatorPainting : public ::testing::Test {
protected:
    QRgb At(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }

    void Paint(const QString& caption, int width = 30)
    {
        TBitmap bitmap(width, 12, TPixelFormat::pf24bit);
        bitmap.Canvas()->Brush()->SetColor(clBlack);
        bitmap.Canvas()->FillRect(QRect(0, 0, width, 12));
        T_AM2000_Separator(caption).Paint(*bitmap.Canvas(), QRect(0, 0, width, 12), look, font);
        image = bitmap.Image();
    }

    T_AM2000_Separator::Look look = [] {
        T_AM2000_Separator::Look l;
        l.line = clRed;
        l.lineShadow = clLime;
        l.menu = clBlack;
        l.indent = 2;
        return l;
    }();
    TFont font;
    QImage image;
};

} // namespace

TEST(Separator, StyleLabelAndHeightFollowTheCharacterAfterTheHyphen)
{
    struct Case {
        const char* caption;
        T_AM2000_Separator::Style style;
        const char* label;
        int height; // from a Separator margin of 9
    };
    const Case cases[] = {
        {"-", T_AM2000_Separator::Single, "", 9},
        {"-=", T_AM2000_Separator::Double, "", 11},
        {"-.", T_AM2000_Separator::Dotted, "", 10},
        {"-:", T_AM2000_Separator::Checkered, "", 13},
        {"- ", T_AM2000_Separator::Blank, "", 11},
        // Only the leading run of the style character is removed from the label.
        {"--Word--", T_AM2000_Separator::Single, "Word--", 9},
        {"-==Total", T_AM2000_Separator::Double, "Total", 11},
    };
    for (const Case& c : cases) {
        const T_AM2000_Separator separator(QString::fromLatin1(c.caption));
        EXPECT_EQ(separator.LineStyle(), c.style) << c.caption;
        EXPECT_EQ(separator.Label(), QString::fromLatin1(c.label)) << c.caption;
        EXPECT_EQ(separator.Height(9), c.height) << c.caption;
    }
    EXPECT_TRUE(T_AM2000_Separator::IsSeparator(QStringLiteral("-=")));
    EXPECT_FALSE(T_AM2000_Separator::IsSeparator(QStringLiteral("Open")));
}

TEST_F(SeparatorPainting, SingleLineLiesOnTheMiddleRowWithItsShadowOnePixelRightAndDown)
{
    Paint(QStringLiteral("-"));
    // Row 6: the line from x = 2 to 27.
    EXPECT_EQ(At(1, 6), background);
    EXPECT_EQ(At(2, 6), red);
    EXPECT_EQ(At(27, 6), red);
    EXPECT_EQ(At(28, 6), background);
    // Row 7: the shadow from x = 3 to 28.
    EXPECT_EQ(At(2, 7), background);
    EXPECT_EQ(At(3, 7), lime);
    EXPECT_EQ(At(28, 7), lime);
    EXPECT_EQ(At(29, 7), background);
    // Rows 5 and 8 stay empty.
    EXPECT_EQ(At(10, 5), background);
    EXPECT_EQ(At(10, 8), background);
}

TEST_F(SeparatorPainting, DoubleLineIsRaisedByTwoWithLinesTwoPixelsApart)
{
    Paint(QStringLiteral("-="));
    // Rows 4 and 6: the two lines; rows 5 and 7: their shadows, starting at x = 3.
    for (int y : {4, 6}) {
        EXPECT_EQ(At(2, y), red) << y;
        EXPECT_EQ(At(27, y), red) << y;
    }
    for (int y : {5, 7}) {
        EXPECT_EQ(At(2, y), background) << y;
        EXPECT_EQ(At(3, y), lime) << y;
        EXPECT_EQ(At(28, y), lime) << y;
    }
    EXPECT_EQ(At(10, 3), background);
    EXPECT_EQ(At(10, 8), background);
}

TEST_F(SeparatorPainting, DottedLineHasTwoPixelSquaresEveryFourPixels)
{
    Paint(QStringLiteral("-."));
    // Raised by 1: squares on rows 5 and 6 at x = 2, 6, 10, ...; the shadow squares on
    // rows 6 and 7 at x = 3, 7, 11, ... lie under the line squares where they overlap.
    EXPECT_EQ(At(2, 5), red);
    EXPECT_EQ(At(3, 6), red);
    EXPECT_EQ(At(4, 6), lime);
    EXPECT_EQ(At(4, 7), lime);
    EXPECT_EQ(At(2, 7), background);
    EXPECT_EQ(At(4, 5), background);
    EXPECT_EQ(At(5, 5), background);
    EXPECT_EQ(At(6, 5), red);
    EXPECT_EQ(At(26, 5), red); // the last square that fits before x = 28
}

TEST_F(SeparatorPainting, CheckeredLineHasTwoRowsOfSquaresTheSecondThreeRightAndDown)
{
    Paint(QStringLiteral("-:"));
    // Raised by 2: first row of squares on rows 4-5 at x = 2, 8, ...; second row on
    // rows 7-8 at x = 5, 11, ...; shadows one pixel right and down of each.
    EXPECT_EQ(At(2, 4), red);
    EXPECT_EQ(At(3, 5), red);
    EXPECT_EQ(At(4, 5), lime);
    EXPECT_EQ(At(4, 6), lime);
    EXPECT_EQ(At(5, 4), background);
    EXPECT_EQ(At(8, 4), red);
    EXPECT_EQ(At(5, 7), red);
    EXPECT_EQ(At(6, 8), red);
    EXPECT_EQ(At(7, 9), lime);
    EXPECT_EQ(At(2, 7), background);
}

TEST_F(SeparatorPainting, SpaceSeparatorDrawsNoLine)
{
    Paint(QStringLiteral("- "));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(At(x, y), background) << x << "," << y;
}

TEST_F(SeparatorPainting, InsideAHiddenAreaTheLineMixesWithWhite)
{
    look.hiddenArea = true;
    Paint(QStringLiteral("-"));
    // Red (255, 0, 0): each channel (c + 255) / 2 gives (255, 127, 127).
    EXPECT_EQ(At(2, 6), qRgb(255, 127, 127) & 0xFFFFFF);
    EXPECT_EQ(At(3, 7), lime); // the shadow keeps its colour
}

TEST_F(SeparatorPainting, XpLineFadesInAndOutOverItsOuterThirds)
{
    look.fade = true;
    look.lineShadow = clNone;
    Paint(QStringLiteral("-"));
    // 26 pixels, thirds of 8: position p of the first third has 255 * p / 8 red, the
    // middle is the line colour, the last third falls back to the menu colour (black).
    EXPECT_EQ(At(2, 6), background);
    EXPECT_EQ(At(2 + 4, 6), qRgb(127, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(At(2 + 8, 6), red);
    EXPECT_EQ(At(2 + 17, 6), red);
    EXPECT_EQ(At(2 + 18, 6), qRgb(255 * 7 / 8, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(At(27, 6), background);
    EXPECT_EQ(At(3, 7), background); // no shadow with clNone
}

TEST_F(SeparatorPainting, LabelSitsCentredOnTheLineWhichLeavesRoomAroundIt)
{
    Paint(QStringLiteral("--Word--"), 120);
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(&font);
    measure.Canvas()->Font()->SetSize(font.Size() - 1);
    const int labelWidth = measure.Canvas()->TextWidth(QStringLiteral("Word--"));
    const int labelLeft = (120 - labelWidth) / 2;
    // The line runs at both ends; the 4 pixels before the label are left free of it.
    EXPECT_EQ(At(2, 6), red);
    EXPECT_EQ(At(117, 6), red);
    for (int x = labelLeft - 4; x < labelLeft; ++x)
        EXPECT_NE(At(x, 6), red) << x;
    // The label is drawn in the line colour somewhere inside its box.
    bool inked = false;
    for (int y = 0; y < 12; ++y)
        for (int x = labelLeft; x < labelLeft + labelWidth; ++x)
            inked = inked || At(x, y) == red;
    EXPECT_TRUE(inked);
}
