#include "DropDownPixels.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TCustomPopupMenu2000.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "TPopupMenu2000Form.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_ItemPainter.h"
#include "T_AM2000_MenuOptions.h"

#include <gtest/gtest.h>
#include <set>

using namespace dropdownpixels;

namespace {

using C = T_AM2000_Colors;

// Text colours that no background uses, so that the ink of each state can be told.
class ItemPainting : public ::testing::Test {
protected:
    ItemPainting()
    {
        T_AM2000_Colors& colors = *options.Colors();
        colors.SetValueAt(C::MenuText, clRed);
        colors.SetValueAt(C::DisabledText, clBlue);
        colors.SetValueAt(C::DisabledShadow, clLime);
        colors.SetValueAt(C::SunkenText, clPurple);
        colors.SetValueAt(C::HighlightText, clYellow);
        colors.SetValueAt(C::Sunken, clSilver);
        item.SetCaption(QStringLiteral("Open\tCtrl+O"));
    }
    // The colours found in the entry's pixels from x on.
    std::set<QRgb> Colours(int state, int from = 0)
    {
        TBitmap entry(200, 22, TPixelFormat::pf24bit);
        T_AM2000_ItemPainter(options, font, nullptr)
            .Paint(*entry.Canvas(), QRect(0, 0, 200, 22), item, state | dsGlyphLeft);
        image = entry.Image();
        std::set<QRgb> found;
        for (int y = 0; y < 22; ++y)
            for (int x = from; x < 200; ++x)
                found.insert(image.pixel(x, y) & 0xFFFFFF);
        return found;
    }

    T_AM2000_MenuOptions options;
    TFont font;
    TMenuItem2000 item{nullptr};
    QImage image;
};

} // namespace

TEST_F(ItemPainting, EachStateWritesItsTextInItsOwnColour)
{
    // Only the text area counts: "Open" also has a stock glyph in the glyph column.
    EXPECT_TRUE(Colours(0, 24).contains(red));
    // Disabled: a copy in DisabledShadow one pixel right and down, then DisabledText.
    const std::set<QRgb> disabled = Colours(dsDisabled, 24);
    EXPECT_TRUE(disabled.contains(blue));
    EXPECT_TRUE(disabled.contains(lime));
    EXPECT_FALSE(disabled.contains(red));
    // Selected and disabled: no shadow copy on the highlight.
    const std::set<QRgb> selectedDisabled = Colours(dsDisabled | dsSelected, 24);
    EXPECT_TRUE(selectedDisabled.contains(blue));
    EXPECT_FALSE(selectedDisabled.contains(lime));
    EXPECT_TRUE(Colours(dsSelected, 24).contains(yellow));
    const std::set<QRgb> hidden = Colours(dsHidden, 24);
    EXPECT_TRUE(hidden.contains(purple));
    EXPECT_FALSE(hidden.contains(red));
}

TEST_F(ItemPainting, RightTextEndsBeforeTheRightMargin)
{
    Colours(0);
    int rightmost = -1;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 200; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == red)
                rightmost = std::max(rightmost, x);
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(&font);
    const int keys = measure.Canvas()->TextWidth(QStringLiteral("Ctrl+O"));
    // Right-aligned at 200 - 24: its ink ends inside the last text cell.
    EXPECT_LT(rightmost, 200 - 24);
    EXPECT_GE(rightmost, 200 - 24 - keys);
}

TEST_F(ItemPainting, DefaultItemsAreMeasuredBold)
{
    T_AM2000_DropDownLayout layout(options, font, nullptr);
    const int regular = layout.LeftTextWidth(item);
    item.SetDefault(true);
    EXPECT_GT(layout.LeftTextWidth(item), regular);
}

TEST_F(ItemPainting, SoftColoursFillTheCheckBoxOfACheckedItem)
{
    T_AM2000_Flags flags;
    flags.Include(T_AM2000_Flag::mfSoftColors);
    options.SetFlags(flags);
    options.Colors()->SetValueAt(C::CheckFill, clAqua);
    options.Colors()->SetValueAt(C::CheckFillSelected, clOlive);
    options.Colors()->SetValueAt(C::Frame, clMaroon);
    item.SetCaption(QStringLiteral("Choice")); // no stock glyph: the check mark shows
    // The box: the glyph column inset by Border (1) at the left and 1 at top and bottom,
    // framed in Frame, filled with slot 20 (slot 21 when selected).
    Colours(dsChecked);
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0x800000u);
    EXPECT_EQ(image.pixel(2, 3) & 0xFFFFFF, 0x00FFFFu);
    EXPECT_EQ(image.pixel(0, 3) & 0xFFFFFF, 0xF0F0F0u);
    Colours(dsChecked | dsSelected);
    EXPECT_EQ(image.pixel(2, 3) & 0xFFFFFF, 0x808000u);
}

TEST(SoftDropDown, WithSoftColoursTheMenuColourMovesAFifteenthToTheDisabledText)
{
    TCustomPopupMenu2000 popup(nullptr);
    T_AM2000_Flags flags;
    flags.Include(T_AM2000_Flag::mfSoftColors);
    popup.Options()->SetFlags(flags);
    TMenuItem2000 parent(nullptr);
    TMenuItem2000 child(nullptr);
    child.SetCaption(QStringLiteral("Open"));
    parent.Add(&child);
    TPopupMenu2000Form window(popup, parent);
    // Menu (240) towards DisabledText (button shadow, 160): 240 + round(-80 / 15) = 235.
    const QRect rect = window.EntryRect(0);
    EXPECT_EQ(window.CanvasImage().pixel(rect.x() + 2, rect.y() + 1) & 0xFFFFFF, 0xEBEBEBu);
    parent.Remove(&child);
}
