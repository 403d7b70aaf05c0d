#include "DropDownPixels.h"
#include "MenuClasses.h"
#include "PlatformClasses.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TCustomPopupMenu2000.h"
#include "TLayoutLoader.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "TPopupMenu2000Form.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace dropdownpixels;

namespace {

using C = T_AM2000_Colors;

constexpr QRgb RGB(int r, int g, int b)
{
    return QRgb(r << 16 | g << 8 | b);
}

constexpr QRgb mainMenuColour = RGB(240, 240, 250); // 16445680 = 0xFAF0F0

// A submenu built in code, shown by a popup menu with default options.
class DropDown : public ::testing::Test {
protected:
    TMenuItem2000* Add(const QString& caption)
    {
        auto* item = new TMenuItem2000(nullptr);
        owned.emplace_back(item);
        item->SetCaption(caption);
        parent.Add(item);
        return item;
    }
    std::unique_ptr<TPopupMenu2000Form> Window()
    {
        return std::make_unique<TPopupMenu2000Form>(popup, parent);
    }

    TCustomPopupMenu2000 popup{nullptr};
    std::vector<std::unique_ptr<TMenuItem2000>> owned;
    TMenuItem2000 parent{nullptr};
};

// The block of the main window's stored layout that holds MainMenu20001, without its
// handler bindings (the handlers belong to the main window).
QString MainMenuBlock()
{
    QFile stored(QStringLiteral(":/layouts/TMianForm.layout"));
    if (!stored.open(QIODevice::ReadOnly))
        return QString();
    const QString layout = QString::fromUtf8(stored.readAll());
    const qsizetype start = layout.indexOf(QStringLiteral("  object MainMenu20001: TMainMenu2000"));
    const qsizetype end = layout.indexOf(QStringLiteral("\n  end\n"), start);
    if (start < 0 || end < 0)
        return QString();
    QString block = layout.mid(start, end + 7 - start);
    block.remove(QRegularExpression(QStringLiteral("\\n *On[A-Za-z]+ = [A-Za-z0-9]+")));
    return block;
}

} // namespace

TEST_F(DropDown, EntriesLeaveOutInvisibleAndHiddenItemsAndTrailingSeparators)
{
    TMenuItem2000* open = Add(QStringLiteral("Open"));
    Add(QStringLiteral("Gone"))->SetVisible(false);
    TMenuItem2000* rare = Add(QStringLiteral("Rare"));
    rare->SetHidden(true);
    Add(QStringLiteral("-"));
    Add(QStringLiteral("-="));
    auto window = Window();
    EXPECT_EQ(window->Entries(), std::vector<TMenuItem2000*>{open});
    EXPECT_TRUE(window->HiddenItemsPresent());
    const QRect button = window->Layout().ExpandButtonRect();
    EXPECT_EQ(button.height(), 19);
    EXPECT_EQ(button.y(), window->EntryRect(0).y() + window->EntryRect(0).height());

    window->SetExpanded(true);
    EXPECT_EQ(window->Entries(), (std::vector<TMenuItem2000*>{open, rare}));
    EXPECT_FALSE(window->HiddenItemsPresent());
    EXPECT_TRUE(window->Layout().ExpandButtonRect().isEmpty());
}

TEST_F(DropDown, AWindowOfHiddenItemsOnlyOpensExpanded)
{
    TMenuItem2000* rare = Add(QStringLiteral("Rare"));
    rare->SetHidden(true);
    auto window = Window();
    EXPECT_TRUE(window->Expanded());
    EXPECT_EQ(window->Entries(), std::vector<TMenuItem2000*>{rare});
}

TEST_F(DropDown, ShowsAtItsPlaceAtFullSizeWithoutTakingTheFocus)
{
    Add(QStringLiteral("Open"));
    TCustomPopupMenu2000Form* window = popup.OpenDropDown(parent);
    ASSERT_EQ(popup.DropDown(), window);
    EXPECT_FALSE(window->isVisible()) << "its opener shows it";
    window->ShowAt(QPoint(120, 80));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), QPoint(120, 80));
    EXPECT_EQ(window->size(), window->Layout().WindowSize());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowType(), Qt::ToolTip);
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(window->isActiveWindow());
    popup.CloseDropDown();
    EXPECT_EQ(popup.DropDown(), nullptr);
}

TEST_F(DropDown, ASelectionChangeRepaintsOnlyTheTwoEntriesConcerned)
{
    std::map<QString, int> drawn;
    for (const char* caption : {"One", "Two", "Three", "Four"}) {
        TMenuItem2000* item = Add(QString::fromLatin1(caption));
        item->OnBeforeDrawItem = [&drawn](TObject* sender, TCanvas*, const QRect&, int, bool&) {
            ++drawn[static_cast<TMenuItem2000*>(sender)->Caption()];
        };
    }
    auto window = Window();
    const QImage before = window->CanvasImage().copy();
    drawn.clear();
    window->SetSelected(1);
    EXPECT_EQ(drawn, (std::map<QString, int>{{QStringLiteral("Two"), 1}}));
    window->SetSelected(2);
    EXPECT_EQ(drawn,
              (std::map<QString, int>{{QStringLiteral("Two"), 2}, {QStringLiteral("Three"), 1}}));
    EXPECT_EQ(window->PreviousSelected(), 1);
    // Outside entries 1 and 2 not a pixel changed; entry 2 now shows the highlight.
    const QImage after = window->CanvasImage();
    const QRect changed = window->EntryRect(1).united(window->EntryRect(2));
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (!changed.contains(x, y)) {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
    const QRect third = window->EntryRect(2);
    EXPECT_EQ(Rgb(after, third.x() + 30, third.y() + 1), systemHighlight);
    EXPECT_EQ(Rgb(after, third.x() + 30, window->EntryRect(1).y() + 1), RGB(240, 240, 240));
}

TEST_F(DropDown, ANewLayoutKeepsTheSelectionWhileItNamesAnEntry)
{
    Add(QStringLiteral("One"));
    TMenuItem2000* two = Add(QStringLiteral("Two"));
    TCustomPopupMenu2000Form* window = popup.OpenDropDown(parent);
    window->SetSelected(1);
    popup.Options()->Colors()->SetValueAt(C::Highlight, clRed);
    QCoreApplication::processEvents(); // the open window lays out again
    EXPECT_EQ(window->Selected(), 1);
    const QRect rect = window->EntryRect(1);
    EXPECT_EQ(Rgb(window->CanvasImage(), rect.x() + 30, rect.y() + 1), RGB(255, 0, 0));
    two->SetVisible(false);
    window->Relayout();
    EXPECT_EQ(window->Selected(), TCustomPopupMenu2000Form::NoEntry);
}

// Items of a submenu that belongs to no menu tell nobody of their changes; the window
// hears of their freeing itself.
TEST_F(DropDown, AFreedEntryLeavesTheWindowOfAFreeStandingSubmenuAtOnce)
{
    TMenuItem2000* one = Add(QStringLiteral("One"));
    Add(QStringLiteral("Two"));
    TMenuItem2000* three = Add(QStringLiteral("Three"));
    const auto window = Window();
    const int height = window->height();
    const QRect secondRect = window->EntryRect(1);
    owned[1].reset();
    EXPECT_EQ(window->Entries(), (std::vector<TMenuItem2000*>{one, three}));
    EXPECT_EQ(window->EntryRect(1), secondRect);
    EXPECT_EQ(window->height(), height - secondRect.height());
}

TEST_F(DropDown, AWindowThatOutlivesItsItemHidesAndNeverReadsItAgain)
{
    auto item = std::make_unique<TMenuItem2000>(nullptr);
    TMenuItem2000 entry(nullptr);
    entry.SetCaption(QStringLiteral("Entry"));
    item->Add(&entry);
    TPopupMenu2000Form window(popup, *item);
    window.ShowAt(QPoint(10, 10));
    const QSize shown = window.size();
    item.reset();
    EXPECT_TRUE(window.ItemFreed());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.Entries().empty());
    EXPECT_LT(window.height(), shown.height());
    window.Relayout();
    popup.Options()->Colors()->SetValueAt(C::Highlight, clRed);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.Entries().empty());
}

TEST_F(DropDown, OnBeforeDrawItemCanCancelTheBuiltInDrawing)
{
    TMenuItem2000* item = Add(QStringLiteral("Open"));
    Add(QStringLiteral("Save"));
    item->OnBeforeDrawItem = [](TObject*, TCanvas*, const QRect&, int state, bool& cancel) {
        cancel = (state & 2) != 0; // only while selected
    };
    auto window = Window();
    window->SetSelected(0);
    const QImage image = window->CanvasImage();
    const QRect rect = window->EntryRect(0);
    // The restored background alone: no highlight, no text.
    for (int y = rect.y(); y < rect.y() + rect.height(); ++y)
        for (int x = rect.x(); x < rect.x() + rect.width(); ++x)
            ASSERT_EQ(Rgb(image, x, y), RGB(240, 240, 240)) << x << "," << y;
}

TEST_F(DropDown, XpRadioMarkSitsEightLeftOfTheGlyphColumnCentre)
{
    TMenuItem2000* item = Add(QStringLiteral("Choice"));
    item->SetRadioItem(true);
    item->SetChecked(true);
    T_AM2000_Flags flags;
    flags.Include(T_AM2000_Flag::mfXpControls);
    popup.Options()->SetFlags(flags);
    auto window = Window();
    const QImage image = window->CanvasImage();
    const QRect rect = window->EntryRect(0);
    // Glyph column 24 wide: x = centre 12 - 8 = 4 from the entry's left, y its top.
    const int x = rect.x() + 4, y = rect.y();
    EXPECT_EQ(Rgb(image, x + 7, y + 2), systemButtonShadow); // the ring in DisabledText
    EXPECT_EQ(Rgb(image, x + 7, y + 7), RGB(0, 0, 0));       // the dot in MenuText
    EXPECT_EQ(Rgb(image, x + 7, y + 4), RGB(240, 240, 240)); // ring filled with Menu
    EXPECT_EQ(Rgb(image, x + 7, y + 1), RGB(240, 240, 240));
}

TEST_F(DropDown, AShownHiddenItemLiesInASunkenBandAcrossTheBorder)
{
    Add(QStringLiteral("Open"));
    TMenuItem2000* rare = Add(QStringLiteral("Rare"));
    rare->SetHidden(true);
    popup.Options()->Colors()->SetValueAt(C::Sunken, clYellow);
    popup.Options()->Margins()->SetValueAt(T_AM2000_Margins::Border, 3);
    auto window = Window();
    window->SetExpanded(true);
    const QImage image = window->CanvasImage();
    const QRect rect = window->EntryRect(1);
    // The band widens the entry by the border (3) on both sides; the border band at the
    // bottom takes the sunken colour too, as the last entry is hidden.
    EXPECT_EQ(Rgb(image, rect.x() - 3, rect.y() + 1), RGB(255, 255, 0));
    EXPECT_EQ(Rgb(image, rect.x() + rect.width() + 2, rect.y() + 1), RGB(255, 255, 0));
    EXPECT_EQ(Rgb(image, rect.x() + 2, rect.y() + rect.height() + 1), RGB(255, 255, 0));
    // The entry above keeps the menu colour and the border colour beside it.
    const QRect above = window->EntryRect(0);
    EXPECT_EQ(Rgb(image, above.x() + 2, above.y() + 1), RGB(240, 240, 240));
    EXPECT_EQ(Rgb(image, above.x() - 3, above.y() + 1), RGB(240, 240, 240));
}

TEST_F(DropDown, ItemsWithASubmenuShowAnArrowInTheRightMargin)
{
    TMenuItem2000* more = Add(QStringLiteral("More"));
    auto* child = new TMenuItem2000(nullptr);
    owned.emplace_back(child);
    child->SetCaption(QStringLiteral("Inner"));
    more->Add(child);
    auto window = Window();
    const QImage image = window->CanvasImage();
    const QRect rect = window->EntryRect(0);
    // Right margin 24: the 4 columns of the arrow start at 10 inside it; its first column
    // spans 7 rows around the middle, its last one pixel.
    const int x = rect.x() + rect.width() - 24 + 10, middle = rect.y() + rect.height() / 2;
    EXPECT_EQ(Rgb(image, x, middle - 3), RGB(0, 0, 0));
    EXPECT_EQ(Rgb(image, x, middle + 3), RGB(0, 0, 0));
    EXPECT_EQ(Rgb(image, x + 3, middle), RGB(0, 0, 0));
    EXPECT_EQ(Rgb(image, x + 3, middle - 1), RGB(240, 240, 240));
    EXPECT_EQ(Rgb(image, x + 4, middle), RGB(240, 240, 240));
}

// The drop-down of the main window's first top item, "【商业类图标】", with its four
// Chinese items. Its options: the item's own colours (defaults but Menu 0xFAF0F0), the
// menu's margins (Border 0, Bevel 1), the menu's title (visible, 5 wide, ColorBegin
// white, ColorEnd black, top to bottom) and flags (among them mfNoBitmapRect); no 3D
// outer frame (Ctl3D off).
class MainMenuDropDown : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterPlatformClasses();
        RegisterMenuClasses();
        const QString block = MainMenuBlock();
        ASSERT_FALSE(block.isEmpty());
        TLayoutLoader(&holder, QStringLiteral("Holder"))
            .Apply(QStringLiteral("object Holder: TComponent\n") + block + QStringLiteral("end\n"));
        menu = dynamic_cast<TMainMenu2000*>(holder.FindComponent(QStringLiteral("MainMenu20001")));
        ASSERT_NE(menu, nullptr);
        popup.TakeMenuSettings(*menu);
        first = dynamic_cast<TMenuItem2000*>(menu->Items()->Items(0));
        ASSERT_NE(first, nullptr);
        window = std::make_unique<TPopupMenu2000Form>(popup, *first);
        TBitmap measure(1, 1);
        measure.Canvas()->SetFont(popup.Font());
        lineHeight = measure.Canvas()->TextHeight(QStringLiteral("Hj")) + 7;
        for (int i = 0; i < 4; ++i)
            widest = std::max(widest, measure.Canvas()->TextWidth(first->Items(i)->Caption()));
    }

    TComponent holder{nullptr};
    TMainMenu2000* menu = nullptr;
    TCustomPopupMenu2000 popup{nullptr};
    TMenuItem2000* first = nullptr;
    std::unique_ptr<TPopupMenu2000Form> window;
    int lineHeight = 0;
    int widest = 0;
};

// The grey of title strip row r of L rows: row r lies in band i (value i, as black to
// white steps by 256 / 256) when i * L / 256 <= r < (i + 1) * L / 256; the last row is
// white (band 255 and everything below it take the begin colour).
int TitleGrey(int r, int length)
{
    if (r >= 255 * length / 256)
        return 255;
    int band = 0;
    while ((band + 1) * length / 256 <= r)
        ++band;
    return band;
}

TEST_F(MainMenuDropDown, WindowSizeComesFromTheWidestCaptionAndFourLines)
{
    // Width: widest caption + Left 24 + Right 24 + 2 x bevel 1 + title 5.
    EXPECT_EQ(window->width(), widest + 48 + 2 + 5);
    // Height: bevel 1 + four entries of one line height + bevel 1.
    EXPECT_EQ(window->height(), 4 * lineHeight + 2);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window->EntryRect(i), QRect(6, 1 + i * lineHeight, widest + 48, lineHeight));
}

TEST_F(MainMenuDropDown, EveryRowOfTheWholeWindowAsDrawn)
{
    window->show();
    const QImage image = window->grab().toImage();
    const int w = window->width(), h = window->height();
    ASSERT_EQ(image.size(), QSize(w, h));
    // Rows 0 and h - 1, columns 0 and w - 1: the bevel of width 1, top-left in Bevel and
    // bottom-right in BevelShadow, both button shadow.
    for (int x = 0; x < w; ++x) {
        ASSERT_EQ(Rgb(image, x, 0), systemButtonShadow) << x;
        ASSERT_EQ(Rgb(image, x, h - 1), systemButtonShadow) << x;
    }
    for (int y = 0; y < h; ++y) {
        ASSERT_EQ(Rgb(image, 0, y), systemButtonShadow) << y;
        ASSERT_EQ(Rgb(image, w - 1, y), systemButtonShadow) << y;
    }
    // Rows 1 to h - 2, columns 1 to 5: the title strip, black to white from the top.
    const int length = h - 2;
    for (int y = 1; y < h - 1; ++y) {
        const int grey = TitleGrey(y - 1, length);
        for (int x = 1; x <= 5; ++x)
            ASSERT_EQ(Rgb(image, x, y), RGB(grey, grey, grey)) << x << "," << y;
    }
    EXPECT_EQ(Rgb(image, 3, h - 2), RGB(255, 255, 255));
    // Rows 1 to h - 2, columns 6 to 29 (the glyph column: no glyphs, Gutter clNone) and
    // the Right margin w - 25 to w - 2 (no submenus): the menu colour.
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 6; x < 30; ++x)
            ASSERT_EQ(Rgb(image, x, y), mainMenuColour) << x << "," << y;
        for (int x = w - 25; x < w - 1; ++x)
            ASSERT_EQ(Rgb(image, x, y), mainMenuColour) << x << "," << y;
    }
    // Each entry: its text cell starts 3 rows below its top ((line height - text height)
    // / 2 with 7 between them), so its first 3 and last 4 rows are the menu colour
    // across; between them the caption puts MenuText (black) ink from x = 30 on.
    for (int i = 0; i < 4; ++i) {
        const int top = 1 + i * lineHeight;
        for (int y : {top, top + 2, top + lineHeight - 4, top + lineHeight - 1})
            for (int x = 6; x < w - 1; ++x)
                ASSERT_EQ(Rgb(image, x, y), mainMenuColour) << i << ": " << x << "," << y;
        bool inked = false;
        for (int y = top + 3; y < top + lineHeight - 4; ++y)
            for (int x = 30; x < w - 25; ++x)
                inked = inked || qGray(image.pixel(x, y)) < 128;
        EXPECT_TRUE(inked) << i;
    }
}

TEST_F(MainMenuDropDown, TheSelectedEntryIsHighlightedGlyphColumnIncluded)
{
    window->SetSelected(1);
    window->show();
    const QImage image = window->grab().toImage();
    const int w = window->width(), top = 1 + lineHeight;
    // mfNoBitmapRect: the highlight covers the whole entry from x = 6 to w - 2; its top
    // 3 rows hold no text.
    for (int y = top; y < top + 3; ++y)
        for (int x = 6; x < w - 1; ++x)
            ASSERT_EQ(Rgb(image, x, y), systemHighlight) << x << "," << y;
    // The text is in HighlightText (white): some white ink in the text cell.
    bool white = false;
    for (int y = top + 3; y < top + lineHeight - 4; ++y)
        for (int x = 30; x < w - 25; ++x)
            white = white || Rgb(image, x, y) == RGB(255, 255, 255);
    EXPECT_TRUE(white);
    // The entries above and below keep the menu colour.
    EXPECT_EQ(Rgb(image, 10, top - 1), mainMenuColour);
    EXPECT_EQ(Rgb(image, 10, top + lineHeight), mainMenuColour);
}

TEST_F(MainMenuDropDown, TheFrameOpensWhereTheRaisedMenuBarItemTouchesIt)
{
    // Without mfRaiseMenuBarItem nothing opens.
    window->SetOpenBorder(10, 30);
    EXPECT_EQ(Rgb(window->CanvasImage(), 20, 0), systemButtonShadow);
    T_AM2000_Flags flags = popup.Options()->Flags();
    flags.Include(T_AM2000_Flag::mfRaiseMenuBarItem);
    popup.Options()->SetFlags(flags);
    window->Relayout();
    // Row 0 (the bevel, Border 0) takes the menu colour from x = 10 to 39.
    const QImage image = window->CanvasImage();
    EXPECT_EQ(Rgb(image, 9, 0), systemButtonShadow);
    EXPECT_EQ(Rgb(image, 10, 0), mainMenuColour);
    EXPECT_EQ(Rgb(image, 39, 0), mainMenuColour);
    EXPECT_EQ(Rgb(image, 40, 0), systemButtonShadow);
    EXPECT_EQ(Rgb(image, 20, window->height() - 1), systemButtonShadow);
    // Opening upward: the bottom side opens instead.
    window->SetOpenBorder(10, 30, true);
    EXPECT_EQ(Rgb(window->CanvasImage(), 20, 0), systemButtonShadow);
    EXPECT_EQ(Rgb(window->CanvasImage(), 20, window->height() - 1), mainMenuColour);
}
