#include "DropDownLayoutTest.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "T_AM2000_BitmapControl.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using M = T_AM2000_Margins;

// Default margins: Left and Right 24, Border 1, Frame, Bevel and Space 0, so a one-line
// item is one line height high and the window is two pixels wider than its content.
class DropDownOwnerMeasure : public DropDownLayoutTest {
protected:
    void Measure(bool expanded = false)
    {
        T_AM2000_DropDownLayout::Frame frame;
        frame.expanded = expanded;
        layout.Measure(entries, frame);
    }
    int Height(int index) const { return layout.EntryRect(index).height(); }
    static void SetBitmapControl(TMenuItem2000& item, int width, int height)
    {
        item.SetControl(T_AM2000_MenuControlType::ctlBitmap);
        TBitmap picture(width, height);
        static_cast<T_AM2000_BitmapControl*>(item.ControlOptions())->Bitmap()->Assign(&picture);
    }
};

} // namespace

TEST_F(DropDownOwnerMeasure, MeasureEventSeesTheBuiltInSizeAndHasTheLastWord)
{
    // Not a stock caption, so no stock shortcut adds a right text.
    TMenuItem2000* tall = Item(QStringLiteral("Quux"));
    TBitmap picture(16, 30);
    tall->SetBitmap(&picture);
    int seenWidth = -1, seenHeight = -1;
    TObject* seenSender = nullptr;
    tall->OnMeasureItem = [&](TObject* sender, TCanvas* canvas, int& width, int& height) {
        seenSender = sender;
        seenWidth = width;
        seenHeight = height;
        ASSERT_NE(canvas, nullptr);
        width = 400;
        height = 5; // below the bitmap's minimum: the event still wins
    };
    Item(QStringLiteral("Save"));
    Measure();
    EXPECT_EQ(seenSender, tall);
    EXPECT_EQ(seenWidth, TextWidth(QStringLiteral("Quux")));
    EXPECT_EQ(seenHeight, 30 + 4);
    EXPECT_EQ(Height(0), 5);
    EXPECT_EQ(layout.EntryRect(1).y(), layout.EntryRect(0).y() + 5);
    EXPECT_EQ(Height(1), LineHeight());
    EXPECT_EQ(layout.ContentWidth(), 400 + 24 + 24);
    EXPECT_EQ(layout.WindowSize().width(), 400 + 48 + 2);
}

TEST_F(DropDownOwnerMeasure, NarrowerMeasuredWidthLeavesTheWidestOtherItem)
{
    const QString wide = QStringLiteral("A rather long caption");
    Item(QStringLiteral("Open"))->OnMeasureItem = [](TObject*, TCanvas*, int& width, int&) {
        width = 1;
    };
    Item(wide);
    Measure();
    EXPECT_EQ(layout.ContentWidth(), TextWidth(wide) + 48);
    EXPECT_EQ(Height(0), LineHeight());
}

TEST_F(DropDownOwnerMeasure, MeasuredWidthCountsWithTheAlignedRightColumn)
{
    T_AM2000_Flags flags;
    flags.Include(T_AM2000_Flag::mfStandardAlign);
    options.SetFlags(flags);
    Item(QStringLiteral("Open\tCtrl+O"));
    Item(QStringLiteral("Wide"))->OnMeasureItem = [](TObject*, TCanvas*, int& width, int&) {
        width = 500;
    };
    Measure();
    EXPECT_EQ(layout.ContentWidth(), 500 + 48);
}

TEST_F(DropDownOwnerMeasure, ControlItemTakesItsControlsHeightBeforeTheLaterSteps)
{
    TMenuItem2000* picture = Item(QStringLiteral("Picture"));
    SetBitmapControl(*picture, 16, 40);
    // No size of its own: one line, although the caption has two.
    TMenuItem2000* edit = Item(QStringLiteral("First\\nSecond"));
    edit->SetControl(T_AM2000_MenuControlType::ctlEditbox);
    // The control is lower than the item's own bitmap: the bitmap's minimum still holds.
    TMenuItem2000* small = Item(QStringLiteral("Small"));
    SetBitmapControl(*small, 16, 3);
    TBitmap glyph(16, 30);
    small->SetBitmap(&glyph);
    // A hidden item shown in an expanded window adds its two pixels to the control's.
    TMenuItem2000* hidden = Item(QStringLiteral("Hidden"));
    SetBitmapControl(*hidden, 16, 12);
    hidden->SetHidden(true);
    Measure(true);
    EXPECT_EQ(Height(0), 40);
    EXPECT_EQ(Height(1), LineHeight());
    EXPECT_EQ(Height(2), 30 + 4);
    EXPECT_EQ(Height(3), 12 + 2);
}

TEST_F(DropDownOwnerMeasure, MeasureEventOfAControlItemGetsTheControlsHeight)
{
    TMenuItem2000* picture = Item(QStringLiteral("Picture"));
    SetBitmapControl(*picture, 16, 40);
    int seen = 0;
    picture->OnMeasureItem = [&](TObject*, TCanvas*, int&, int& height) {
        seen = height;
        height += 6;
    };
    Measure();
    EXPECT_EQ(seen, 40);
    EXPECT_EQ(Height(0), 46);
}
