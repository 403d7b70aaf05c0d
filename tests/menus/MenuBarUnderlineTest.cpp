#include "MenuBarTestSupport.h"

#include "TCustomPopupMenu2000.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_Margins.h"
#include "UnderlinePixels.h"

#include <QImage>

namespace {

using C = T_AM2000_Colors;
using M = T_AM2000_Margins;

// Inks that no background uses: idle captions, the pressed (current) caption and the
// selected drop-down entry.
constexpr TColor idleInk = TColor(0x000000FF);
constexpr TColor pressedInk = TColor(0x00FF00FF);
constexpr TColor selectedInk = TColor(0x0000FF00);

// The bar of three items "&File", "&Edit", "&Help" in an 11-pixel face drawn without
// smoothing, on a desktop whose keyboard-cue setting the test decides.
class MenuBarUnderline : public MenuBarTest {
protected:
    void SetUp() override
    {
        previousCues = TCustomMenuBar2000::SetSystemUnderlinesSource([this] { return systemCues; });
        menu.SetSystemFont(false);
        menu.Font()->SetName(QStringLiteral("DejaVu Sans"));
        menu.Font()->SetHeight(-11);
        C& colors = *menu.Options()->Colors();
        colors.SetValueAt(C::Menu, menuColor);
        colors.SetValueAt(C::MenuText, idleInk);
        colors.SetValueAt(C::PressedText, pressedInk);
        colors.SetValueAt(C::HighlightText, selectedInk);
        menu.SetCtl3D(false);
        MenuBarTest::SetUp();
    }
    void TearDown() override
    {
        MenuBarTest::TearDown();
        TCustomMenuBar2000::SetSystemUnderlinesSource(previousCues);
    }

    // Whether the bar shows item index with the first character of its caption
    // (shown without the marker) underlined. A caption is centred in its item, which is
    // 12 pixels wider than its text. flatIndex: a character that sits on the baseline.
    bool BarItemUnderlined(int index, const QString& shown, int flatIndex, TColor ink) const
    {
        const QRect rect = bar->BarItems().Entries()[index].rect;
        const UnderlinePixels pixels(bar->grab().toImage(), Rgb(ink), menu.Font()->ToQFont(), shown,
                                     rect.x() + 6, rect.y(), rect.bottom());
        const int baseline = pixels.Baseline(flatIndex);
        EXPECT_GT(baseline, 0) << "no caption drawn on item " << index;
        return baseline > 0 && pixels.UnderlineRow(0, baseline) != -1;
    }
    bool AllBarItemsUnderlined(bool current) const
    {
        const TColor first = current ? pressedInk : idleInk;
        return BarItemUnderlined(0, QStringLiteral("File"), 2, first) &&
               BarItemUnderlined(1, QStringLiteral("Edit"), 2, idleInk) &&
               BarItemUnderlined(2, QStringLiteral("Help"), 2, idleInk);
    }
    bool NoBarItemUnderlined() const
    {
        return !BarItemUnderlined(0, QStringLiteral("File"), 2, idleInk) &&
               !BarItemUnderlined(1, QStringLiteral("Edit"), 2, idleInk) &&
               !BarItemUnderlined(2, QStringLiteral("Help"), 2, idleInk);
    }
    // The same for the first entry of a drop-down window, left aligned after the Left
    // margin.
    static bool EntryUnderlined(const TCustomPopupMenu2000Form& window, const QString& shown,
                                int flatIndex, TColor ink)
    {
        const QRect rect = window.EntryRect(0);
        const UnderlinePixels pixels(
            window.CanvasImage(), Rgb(ink), window.Menu().Font()->ToQFont(), shown,
            rect.x() + window.Options().Margins()->ValueAt(M::Left), rect.y(), rect.bottom());
        const int baseline = pixels.Baseline(flatIndex);
        EXPECT_GT(baseline, 0) << "no caption drawn on the entry";
        return baseline > 0 && pixels.UnderlineRow(0, baseline) != -1;
    }

    bool systemCues = false;

private:
    TCustomMenuBar2000::UnderlinesSource previousCues;
};

} // namespace

TEST_F(MenuBarUnderline, AltShowsTheAcceleratorsUntilEscapeOrTheMenusClose)
{
    EXPECT_TRUE(NoBarItemUnderlined());
    Key(Qt::Key_Alt);
    ASSERT_TRUE(bar->ShowUnderlines());
    EXPECT_TRUE(AllBarItemsUnderlined(true));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(bar->ShowUnderlines());
    EXPECT_TRUE(NoBarItemUnderlined());

    Key(Qt::Key_Alt);
    tracker.CloseAllMenus(true);
    EXPECT_TRUE(NoBarItemUnderlined());
}

TEST_F(MenuBarUnderline, WithTheDesktopsKeyboardCuesOnTheUnderlinesStay)
{
    systemCues = true;
    bar->ResetBar();
    EXPECT_TRUE(AllBarItemsUnderlined(false));
    Key(Qt::Key_Alt);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(bar->ShowUnderlines());
    EXPECT_TRUE(AllBarItemsUnderlined(false));

    TMenuBar2000 second(nullptr);
    EXPECT_TRUE(second.ShowUnderlines());
}

TEST_F(MenuBarUnderline, TheDropDownAndItsSubmenusUnderlineWhenTheBarDoes)
{
    AddItem(QStringLiteral("&Find"), file->Items(0));
    Key(Qt::Key_Alt);
    Key(Qt::Key_Down);
    ASSERT_EQ(OpenItem(), file);
    TCustomPopupMenu2000Form& window = *tracker.TopWindow();
    EXPECT_TRUE(window.ShowUnderlines());
    EXPECT_TRUE(EntryUnderlined(window, QStringLiteral("Open"), 3, selectedInk));
    Key(Qt::Key_Right);
    ASSERT_NE(window.ChildWindow(), nullptr);
    EXPECT_TRUE(window.ChildWindow()->ShowUnderlines());
    EXPECT_TRUE(EntryUnderlined(*window.ChildWindow(), QStringLiteral("Find"), 1, selectedInk));
}

TEST_F(MenuBarUnderline, AMouseOpenedDropDownUnderlinesOnlyOnceAltIsPressed)
{
    Click(0);
    ASSERT_EQ(OpenItem(), file);
    TCustomPopupMenu2000Form& window = *tracker.TopWindow();
    EXPECT_FALSE(window.ShowUnderlines());
    EXPECT_FALSE(EntryUnderlined(window, QStringLiteral("Open"), 3, idleInk));
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(&host, &alt);
    EXPECT_TRUE(bar->ShowUnderlines());
    EXPECT_TRUE(EntryUnderlined(window, QStringLiteral("Open"), 3, idleInk));
    EXPECT_TRUE(BarItemUnderlined(0, QStringLiteral("File"), 2, pressedInk));
}
