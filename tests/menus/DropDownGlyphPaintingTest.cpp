#include "DropDownPixels.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_ItemPainter.h"
#include "T_AM2000_MenuOptions.h"

#include <gtest/gtest.h>
#include <set>

using namespace dropdownpixels;

namespace {

// An item with a black 16 x 16 glyph (its bottom-left pixel magenta, the transparent
// colour) painted into a 100 x 20 entry: the glyph column is 24 wide, so the glyph's
// top-left corner is at ((24 - 16) / 2, (20 - 16) / 2) = (4, 2).
class GlyphPainting : public ::testing::Test {
protected:
    GlyphPainting()
    {
        TBitmap glyph(16, 16, TPixelFormat::pf24bit);
        glyph.Canvas()->Brush()->SetColor(clBlack);
        glyph.Canvas()->FillRect(QRect(0, 0, 16, 16));
        glyph.Canvas()->SetPixels(0, 15, clFuchsia);
        item.SetBitmap(&glyph);
        item.SetCaption(QStringLiteral("Item"));
    }
    void Use(T_AM2000_Flag flag)
    {
        T_AM2000_Flags flags;
        flags.Include(flag);
        options.SetFlags(flags);
    }
    QImage Paint(int state)
    {
        TBitmap entry(100, 20, TPixelFormat::pf24bit);
        T_AM2000_ItemPainter(options, font, nullptr)
            .Paint(*entry.Canvas(), QRect(0, 0, 100, 20), item, state | dsGlyphLeft);
        return entry.Image();
    }
    static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

    T_AM2000_MenuOptions options;
    TFont font;
    TMenuItem2000 item{nullptr};
};

} // namespace

TEST_F(GlyphPainting, PlainGlyphIsCentredInTheGlyphColumnAndTransparent)
{
    const QImage image = Paint(0);
    EXPECT_EQ(At(image, 4, 2), 0x000000u);
    EXPECT_EQ(At(image, 19, 17), 0x000000u);
    EXPECT_EQ(At(image, 4, 17), systemMenu); // the transparent bottom-left pixel
    EXPECT_EQ(At(image, 3, 2), systemMenu);
    EXPECT_EQ(At(image, 20, 17), systemMenu);
}

TEST_F(GlyphPainting, UnselectedGlyphsAreLightenedSelectedOnesAreNot)
{
    Use(T_AM2000_Flag::mfLightenBitmaps);
    EXPECT_EQ(At(Paint(0), 9, 7), 0x303030u); // black becomes 0x303030
    EXPECT_EQ(At(Paint(dsSelected), 9, 7), 0x000000u);
}

TEST_F(GlyphPainting, DisabledGlyphIsAFlatShapeOverItsShadow)
{
    const QImage image = Paint(dsDisabled);
    EXPECT_EQ(At(image, 9, 7), systemButtonShadow); // the shape in DisabledText
    EXPECT_EQ(At(image, 20, 18), white);            // the shadow one pixel right and down
    EXPECT_EQ(At(image, 4, 17), systemMenu);
}

TEST_F(GlyphPainting, RaisedGlyphMovesUpLeftOverItsShadowDownRight)
{
    Use(T_AM2000_Flag::mfRaiseBitmaps);
    const QImage image = Paint(dsSelected);
    EXPECT_EQ(At(image, 3, 1), 0x000000u);            // the glyph one pixel left and up
    EXPECT_EQ(At(image, 20, 18), systemButtonShadow); // the shape in slot 19, right and down
    EXPECT_EQ(At(image, 18, 16), 0x000000u);          // the glyph's last pixel, moved
    EXPECT_EQ(At(image, 19, 17), systemButtonShadow); // where it would have been: shadow
}

TEST_F(GlyphPainting, ShadowUnderTheGlyphIsBlurredAtItsCorner)
{
    Use(T_AM2000_Flag::mfBitmapShadow);
    const QImage image = Paint(0);
    // The 18 x 18 shadow picture lies at (4, 2) over the menu colour (240); its bottom-
    // right pixel (21, 19) averages itself and three background neighbours (weight 6 in
    // all) with the shape's last pixel on its diagonal (weight 1, grey 160):
    // (6 * 240 + 160) / 7 = 228.
    EXPECT_EQ(At(image, 21, 19), 0xE4E4E4u);
    EXPECT_EQ(At(image, 9, 7), 0x000000u); // the glyph itself over the shadow
}

TEST_F(GlyphPainting, CheckedGlyphSitsInASunkenBoxUnlessNoBitmapRect)
{
    // The glyph column inset by 1, (1, 1) to (22, 18), in Sunken; the glyph over it.
    options.Colors()->SetValueAt(T_AM2000_Colors::Sunken, clYellow);
    QImage image = Paint(dsChecked);
    EXPECT_EQ(At(image, 1, 1), 0xFFFF00u);
    EXPECT_EQ(At(image, 22, 18), 0xFFFF00u);
    EXPECT_EQ(At(image, 0, 0), systemMenu);
    EXPECT_EQ(At(image, 23, 1), systemMenu);
    EXPECT_EQ(At(image, 9, 7), 0x000000u);
    // Sunken clNone: a 50 % dither of the menu colour and white.
    options.Colors()->SetValueAt(T_AM2000_Colors::Sunken, clNone);
    image = Paint(dsChecked);
    EXPECT_EQ((std::set<QRgb>{At(image, 1, 1), At(image, 2, 1)}),
              (std::set<QRgb>{systemMenu, white}));
    EXPECT_EQ(At(image, 1, 1), At(image, 2, 2));
    Use(T_AM2000_Flag::mfNoBitmapRect);
    EXPECT_EQ(At(Paint(dsChecked), 1, 1), systemMenu);
}
