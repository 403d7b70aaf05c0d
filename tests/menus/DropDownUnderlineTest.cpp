#include "TBitmap.h"
#include "TCanvas.h"
#include "TCustomPopupMenu2000.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "TPopupMenu2000Form.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_ItemPainter.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"
#include "UnderlinePixels.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using C = T_AM2000_Colors;
using M = T_AM2000_Margins;

constexpr QRgb red = 0xFF0000;
constexpr int entryWidth = 200, entryHeight = 22;

// One entry painted on its own in red on the menu colour, in an 11-pixel face that is
// drawn without smoothing.
class EntryUnderline : public ::testing::Test {
protected:
    EntryUnderline()
    {
        options.Colors()->SetValueAt(C::MenuText, clRed);
        font.SetName(QStringLiteral("DejaVu Sans"));
        font.SetHeight(-11);
    }
    // The entry's text, left aligned after the Left margin.
    UnderlinePixels Paint(const QString& caption, const QString& shown, bool underlines)
    {
        item.SetCaption(caption);
        TBitmap entry(entryWidth, entryHeight, TPixelFormat::pf24bit);
        T_AM2000_ItemPainter painter(options, font, nullptr);
        painter.SetShowUnderlines(underlines);
        painter.Paint(*entry.Canvas(), QRect(0, 0, entryWidth, entryHeight), item, dsGlyphLeft);
        return UnderlinePixels(entry.Image(), red, font.ToQFont(), shown,
                               options.Margins()->ValueAt(M::Left), 0, entryHeight - 1);
    }

    T_AM2000_MenuOptions options;
    TFont font;
    TMenuItem2000 item{nullptr};
};

} // namespace

TEST_F(EntryUnderline, TheAcceleratorIsUnderlinedBelowTheBaselineUnderItsCharacterOnly)
{
    const QString shown = QStringLiteral("Open");
    const UnderlinePixels hidden = Paint(QStringLiteral("&Open"), shown, false);
    const int baseline = hidden.Baseline(3); // "n" sits on the baseline
    ASSERT_GT(baseline, 0);
    EXPECT_EQ(hidden.UnderlineRow(0, baseline), -1);
    // Nothing of the round "O" reaches more than a pixel below the baseline.
    EXPECT_FALSE(
        hidden.InkIn(baseline + 1, entryHeight - 1, hidden.ColumnOf(0), hidden.ColumnOf(1)));

    const UnderlinePixels shownMarks = Paint(QStringLiteral("&Open"), shown, true);
    ASSERT_EQ(shownMarks.Baseline(3), baseline);
    const int row = shownMarks.UnderlineRow(0, baseline);
    ASSERT_NE(row, -1);
    EXPECT_LT(row, baseline + shownMarks.Descent());
    // "e" and "n" stay without a line ("p" reaches down there by itself).
    EXPECT_FALSE(shownMarks.InkInRow(row, 2, 4));
}

TEST_F(EntryUnderline, ADoubledAmpersandIsALiteralAmpersandAndNeverUnderlined)
{
    const QString shown = QStringLiteral("A&B");
    for (const bool underlines : {false, true}) {
        SCOPED_TRACE(underlines ? "underlines shown" : "underlines hidden");
        const UnderlinePixels pixels = Paint(QStringLiteral("A&&B"), shown, underlines);
        const int baseline = pixels.Baseline(2); // "B"
        ASSERT_GT(baseline, 0);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(pixels.UnderlineRow(i, baseline), -1) << "character " << i;
        EXPECT_FALSE(
            pixels.InkIn(baseline + 1, entryHeight - 1, pixels.ColumnOf(0), pixels.ColumnOf(3)));
        // One "&" between the letters, and nothing after "B".
        EXPECT_TRUE(pixels.InkIn(0, baseline - 1, pixels.ColumnOf(1), pixels.ColumnOf(2)));
        EXPECT_TRUE(pixels.InkIn(0, baseline - 1, pixels.ColumnOf(2), pixels.ColumnOf(3)));
        EXPECT_FALSE(pixels.InkIn(0, entryHeight - 1, pixels.ColumnOf(3) + 1, entryWidth - 24));
    }
}

namespace {

// Drop-down windows of a popup menu whose first entry "&Open" has a submenu.
class WindowUnderline : public ::testing::Test {
protected:
    WindowUnderline()
    {
        popup.Options()->Colors()->SetValueAt(C::MenuText, clRed);
        popup.Font()->SetName(QStringLiteral("DejaVu Sans"));
        popup.Font()->SetHeight(-11);
        open = Add(QStringLiteral("&Open"), parent);
        Add(QStringLiteral("&Recent"), *open);
    }
    TMenuItem2000* Add(const QString& caption, TMenuItem2000& to)
    {
        owned.push_back(std::make_unique<TMenuItem2000>(nullptr));
        owned.back()->SetCaption(caption);
        to.Add(owned.back().get());
        return owned.back().get();
    }
    // Whether the first entry's accelerator is underlined on the window's canvas.
    static bool FirstUnderlined(const TCustomPopupMenu2000Form& window, const QString& shown,
                                int flatIndex)
    {
        const QRect rect = window.EntryRect(0);
        const UnderlinePixels pixels(window.CanvasImage(), red, window.Menu().Font()->ToQFont(),
                                     shown, rect.x() + window.Options().Margins()->ValueAt(M::Left),
                                     rect.y(), rect.bottom());
        const int baseline = pixels.Baseline(flatIndex);
        return baseline > 0 && pixels.UnderlineRow(0, baseline) != -1;
    }

    TCustomPopupMenu2000 popup{nullptr};
    std::vector<std::unique_ptr<TMenuItem2000>> owned;
    TMenuItem2000 parent{nullptr};
    TMenuItem2000* open = nullptr;
};

} // namespace

TEST_F(WindowUnderline, TurningTheModeOnAndOffRepaintsTheWindow)
{
    TPopupMenu2000Form window(popup, parent);
    EXPECT_FALSE(window.ShowUnderlines());
    EXPECT_FALSE(FirstUnderlined(window, QStringLiteral("Open"), 3));
    window.SetShowUnderlines(true);
    EXPECT_TRUE(FirstUnderlined(window, QStringLiteral("Open"), 3));
    // A new layout keeps the mode.
    window.Relayout();
    EXPECT_TRUE(FirstUnderlined(window, QStringLiteral("Open"), 3));
    window.SetShowUnderlines(false);
    EXPECT_FALSE(FirstUnderlined(window, QStringLiteral("Open"), 3));
}

TEST_F(WindowUnderline, ASubmenuStartsInItsParentsModeAndAnOpenOneFollowsIt)
{
    TPopupMenu2000Form window(popup, parent);
    window.SetShowUnderlines(true);
    TPopupMenu2000Form submenu(popup, *open, &window);
    window.SetChildWindow(&submenu);
    EXPECT_TRUE(submenu.ShowUnderlines());
    EXPECT_TRUE(FirstUnderlined(submenu, QStringLiteral("Recent"), 4)); // "n"
    window.SetShowUnderlines(false);
    EXPECT_FALSE(FirstUnderlined(submenu, QStringLiteral("Recent"), 4));
    window.SetChildWindow(nullptr);

    TPopupMenu2000Form plain(popup, *open, &window);
    EXPECT_FALSE(plain.ShowUnderlines());
}
