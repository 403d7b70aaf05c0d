#include "DropDownLayoutTest.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_ItemTexts.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuItemCache.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Title.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using M = T_AM2000_Margins;

// Items measured with the default font and the default margins (Left and Right 24,
// Separator 9, Item 0: the line height is the text height of "Hj" plus 7).
class DropDownMeasures : public DropDownLayoutTest {
protected:
    T_AM2000_DropDownLayout& Measured(const T_AM2000_DropDownLayout::Frame& frame = {})
    {
        layout.Measure(entries, frame);
        return layout;
    }
};

} // namespace

TEST_F(DropDownMeasures, EntryHeightsFollowLinesSeparatorsAndGlyphs)
{
    TMenuItem2000* plain = Item(QStringLiteral("Open"));
    TMenuItem2000* twoLines = Item(QStringLiteral("Open\\nfile"));
    TMenuItem2000* line = Item(QStringLiteral("-"));
    TMenuItem2000* dotted = Item(QStringLiteral("-:"));
    TMenuItem2000* tall = Item(QStringLiteral("Picture"));
    TBitmap picture(16, 30);
    tall->SetBitmap(&picture);
    Measured();
    const int lh = LineHeight();
    EXPECT_EQ(layout.LineHeight(), lh);
    EXPECT_EQ(layout.EntryHeight(*plain, false), lh);
    EXPECT_EQ(layout.EntryHeight(*twoLines, false), 2 * (lh - 3) + 3);
    EXPECT_EQ(layout.EntryHeight(*line, false), 9);
    EXPECT_EQ(layout.EntryHeight(*dotted, false), 13);
    EXPECT_EQ(layout.EntryHeight(*tall, false), 34); // bitmap height + 4
    // A hidden item shown in its sunken band is 2 higher, unless drawn as regular.
    EXPECT_EQ(layout.EntryHeight(*plain, true), lh + 2);
    T_AM2000_Flags flags;
    flags.Include(T_AM2000_Flag::mfHiddenAsRegular);
    options.SetFlags(flags);
    EXPECT_EQ(layout.EntryHeight(*plain, true), lh);
}

TEST_F(DropDownMeasures, AnItemMarginFixesTheLineHeightAndStockGlyphsNeedTwenty)
{
    options.Margins()->SetValueAt(M::Item, 10);
    TMenuItem2000* plain = Item(QStringLiteral("Open"));
    TMenuItem2000* stock = Item(QStringLiteral("Open"));
    stock->SetDefaultIndex(0);
    Measured();
    EXPECT_EQ(layout.LineHeight(), 10);
    EXPECT_EQ(layout.EntryHeight(*plain, false), 10);
    EXPECT_EQ(layout.EntryHeight(*stock, false), 20);
}

TEST_F(DropDownMeasures, TabOrBackslashASplitsOffTheRightText)
{
    for (const QString& caption :
         {QStringLiteral("Open\tCtrl+O"), QStringLiteral("Open\\aCtrl+O")}) {
        TMenuItem2000* item = Item(caption);
        const T_AM2000_ItemTexts texts(*item);
        EXPECT_EQ(texts.Lines(), QStringList{QStringLiteral("Open")});
        EXPECT_EQ(texts.RightText(), QStringLiteral("Ctrl+O"));
        Measured();
        EXPECT_EQ(layout.LeftTextWidth(*item), TextWidth(QStringLiteral("Open")));
        EXPECT_EQ(layout.RightTextWidthOf(*item), TextWidth(QStringLiteral("Ctrl+O")));
    }
}

TEST_F(DropDownMeasures, TheShortcutTakesThePlaceOfTheRightText)
{
    TMenuItem2000* own = Item(QStringLiteral("Open\tF3"));
    own->SetShortCutText(QStringLiteral("Ctrl+K"));
    EXPECT_EQ(T_AM2000_ItemTexts(*own).RightText(), QStringLiteral("Ctrl+K"));
    // "Copy" has a stock shortcut; the code-1 text asks for none.
    TMenuItem2000* stock = Item(QStringLiteral("Copy"));
    EXPECT_FALSE(T_AM2000_ItemTexts(*stock).RightText().isEmpty());
    stock->SetShortCutText(T_AM2000_MenuItemCache::NoneText);
    EXPECT_TRUE(T_AM2000_ItemTexts(*stock).RightText().isEmpty());
    TMenuItem2000* chinese = Item(QString::fromUtf8("网络类"));
    EXPECT_TRUE(T_AM2000_ItemTexts(*chinese).RightText().isEmpty());
}

TEST_F(DropDownMeasures, LeftTextsWiderThan300PixelsCountAs300)
{
    TMenuItem2000* wide = Item(QString(80, QLatin1Char('W')));
    ASSERT_GT(TextWidth(QString(80, QLatin1Char('W'))), 300);
    Item(QStringLiteral("Short"));
    Measured();
    EXPECT_EQ(layout.LeftTextWidth(*wide), 300);
    EXPECT_EQ(layout.TextWidth(), 300);
    EXPECT_EQ(layout.ContentWidth(), 300 + 24 + 24);
}

TEST_F(DropDownMeasures, ContentWidthWithAndWithoutTheAlignedRightColumn)
{
    Item(QStringLiteral("Open\tCtrl+O"));
    Item(QStringLiteral("A much longer caption"));
    Item(QStringLiteral("Go\tShift+Ctrl+Alt+F12"));
    const int open = TextWidth(QStringLiteral("Open")),
              shortcut = TextWidth(QStringLiteral("Ctrl+O"));
    const int longer = TextWidth(QStringLiteral("A much longer caption"));
    const int go = TextWidth(QStringLiteral("Go")),
              keys = TextWidth(QStringLiteral("Shift+Ctrl+Alt+F12"));
    Measured();
    // Without alignment: the widest of left + right + 10 (just left without a right text).
    const int widest = std::max({open + shortcut + 10, longer, go + keys + 10});
    EXPECT_EQ(layout.ContentWidth(), widest + 48);
    // Aligned: the widest left text, the widest right text and 4 between.
    T_AM2000_Flags flags;
    flags.Include(T_AM2000_Flag::mfStandardAlign);
    options.SetFlags(flags);
    Measured();
    EXPECT_EQ(layout.ContentWidth(),
              std::max({open, longer, go}) + std::max(shortcut, keys) + 4 + 48);
}

TEST_F(DropDownMeasures, WindowSizeAddsFrameBevelBorderTitleAndExpandButton)
{
    options.Margins()->SetValueAt(M::Border, 2);
    options.Margins()->SetValueAt(M::Bevel, 3);
    options.Margins()->SetValueAt(M::Frame, 1);
    options.Margins()->SetValueAt(M::Space, 2);
    options.Title()->SetVisible(true);
    Item(QStringLiteral("One"));
    Item(QStringLiteral("Two"));
    T_AM2000_DropDownLayout::Frame frame;
    frame.outer3D = true;
    Measured(frame);
    const int h = 2 * 1 + (LineHeight() - 3) + 3;
    const int content =
        std::max(TextWidth(QStringLiteral("One")), TextWidth(QStringLiteral("Two")));
    // Width: content + margins + 2 x (border + bevel + frame) + title 50 + 3D frame 4.
    const int width = content + 48 + 2 * (2 + 3 + 1) + 50 + 4;
    // Entries from the top: 3D frame 2 + bevel 3 + border 2 = 7, then h, space 2, h.
    EXPECT_EQ(layout.EntryRect(0), QRect(2 + 3 + 2 + 1 + 50, 7, width - 58 - 8, h));
    EXPECT_EQ(layout.EntryRect(1).y(), 7 + h + 2);
    EXPECT_EQ(layout.WindowSize(), QSize(width, 7 + h + 2 + h + 2 + 3 + 2));
    EXPECT_EQ(layout.TitleRect(), QRect(5, 5, 50, layout.WindowSize().height() - 10));
    // Hidden items left out: the expand button adds 13 + 6 at the bottom; a drag strip
    // adds 7 + 2 at the top.
    frame.hiddenPresent = true;
    options.SetDraggable(true);
    Measured(frame);
    EXPECT_EQ(layout.EntryRect(0).y(), 7 + 9);
    EXPECT_EQ(layout.ExpandButtonRect().height(), 19);
    EXPECT_EQ(layout.WindowSize().height(), 9 + 7 + h + 2 + h + 19 + 2 + 3 + 2);
}
