#include "MenuAnimationTestSupport.h"
#include "MenuTrackingTestSupport.h"
#include "TColors.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_HitTest.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_ScrollView.h"
#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_WindowPlacement.h"

using View = T_AM2000_ScrollView;

namespace {

// Ten entries of 20 pixels from y = 4 in a menu 96 x 208 (a 4-pixel footer), shown 100
// pixels high with a 16-pixel bar: the entries' area runs from 4 to 96 and holds four.
View::Menu TenEntries()
{
    View::Menu menu;
    menu.size = QSize(96, 208);
    for (int i = 0; i < 10; ++i)
        menu.entries.emplace_back(3, 4 + 20 * i, 90, 20);
    menu.lineHeight = 20;
    return menu;
}

View TenEntriesView(int first = 0)
{
    return View(TenEntries(), 100, 16, first);
}

const View::Colors colors{QColor(0x10, 0x20, 0x30), QColor(0xF0, 0, 0), QColor(0xEE, 0xEE, 0xEE),
                          QColor(0x40, 0x40, 0x40)};

} // namespace

TEST(MenuScrollView, ShowsTheEntriesThatFitBetweenHeaderAndFooter)
{
    View view = TenEntriesView();
    EXPECT_EQ(view.WindowSize(), QSize(96 + 16 + 5, 100));
    EXPECT_EQ(view.FirstShown(), 0);
    EXPECT_EQ(view.LastShown(), 3);
    EXPECT_EQ(view.LastFirstShown(), 6);
    EXPECT_EQ(view.ShownEntryRect(3), QRect(3, 64, 90, 20));
    EXPECT_TRUE(view.ShownEntryRect(4).isEmpty());
    ASSERT_TRUE(view.ScrollTo(2));
    EXPECT_EQ(view.LastShown(), 5);
    EXPECT_EQ(view.ShownEntryRect(2), QRect(3, 4, 90, 20));
    EXPECT_TRUE(view.ShownEntryRect(1).isEmpty());
    EXPECT_EQ(view.ShownFooterRect(QRect(3, 204, 90, 4)), QRect(3, 96, 90, 4));
    // Beyond the last that shows the final entry.
    EXPECT_TRUE(view.ScrollTo(9));
    EXPECT_EQ(view.FirstShown(), 6);
    EXPECT_EQ(view.LastShown(), 9);
    EXPECT_FALSE(view.ScrollTo(20));
}

TEST(MenuScrollView, LineAndPageStepsStopAtTheEnds)
{
    View view = TenEntriesView();
    EXPECT_FALSE(view.Scroll(View::LineUp));
    EXPECT_FALSE(view.Scroll(View::PageUp));
    ASSERT_TRUE(view.Scroll(View::LineDown));
    EXPECT_EQ(view.FirstShown(), 1);
    // A page is LastShown - FirstShown entries.
    ASSERT_TRUE(view.Scroll(View::PageDown));
    EXPECT_EQ(view.FirstShown(), 4);
    ASSERT_TRUE(view.Scroll(View::PageDown));
    EXPECT_EQ(view.FirstShown(), 6);
    EXPECT_FALSE(view.Scroll(View::LineDown));
    EXPECT_FALSE(view.Scroll(View::PageDown));
    ASSERT_TRUE(view.Scroll(View::PageUp));
    EXPECT_EQ(view.FirstShown(), 3);
    ASSERT_TRUE(view.Scroll(View::PageUp));
    EXPECT_EQ(view.FirstShown(), 0);
    ASSERT_TRUE(view.Scroll(View::LineDown));
    ASSERT_TRUE(view.Scroll(View::LineUp));
    EXPECT_EQ(view.FirstShown(), 0);
}

TEST(MenuScrollView, ScrollingToAnEntryMovesAsLittleAsNeeded)
{
    View view = TenEntriesView();
    EXPECT_FALSE(view.ScrollToShow(3));
    ASSERT_TRUE(view.ScrollToShow(5));
    EXPECT_EQ(view.FirstShown(), 2);
    EXPECT_EQ(view.LastShown(), 5);
    ASSERT_TRUE(view.ScrollToShow(9));
    EXPECT_EQ(view.FirstShown(), 6);
    ASSERT_TRUE(view.ScrollToShow(1));
    EXPECT_EQ(view.FirstShown(), 1);
    EXPECT_FALSE(view.ScrollToShow(-1));
    EXPECT_FALSE(view.ScrollToShow(10));
}

TEST(MenuScrollView, TheBarHasArrowsAtItsEndsAndAThumbForTheShownShare)
{
    // The bar: x 98..113 (5 right of the entries' right edge 93), y 4..95.
    View view = TenEntriesView();
    EXPECT_EQ(view.ZoneRect(View::LineUp), QRect(98, 4, 16, 16));
    EXPECT_EQ(view.ZoneRect(View::LineDown), QRect(98, 80, 16, 16));
    // Track 20..79 (60 pixels); four of ten shown: 24 pixels, at the top.
    EXPECT_EQ(view.ZoneRect(View::Thumb), QRect(98, 20, 16, 24));
    EXPECT_TRUE(view.ZoneRect(View::PageUp).isEmpty());
    EXPECT_EQ(view.ZoneRect(View::PageDown), QRect(98, 44, 16, 36));
    // Half way (3 of 6): 36 pixels of room, 18 above the thumb.
    view.ScrollTo(3);
    EXPECT_EQ(view.ZoneRect(View::Thumb), QRect(98, 38, 16, 24));
    EXPECT_EQ(view.ZoneRect(View::PageUp), QRect(98, 20, 16, 18));
    EXPECT_EQ(view.ZoneRect(View::PageDown), QRect(98, 62, 16, 18));
    EXPECT_EQ(view.ZoneAt(QPoint(105, 5)), View::LineUp);
    EXPECT_EQ(view.ZoneAt(QPoint(113, 95)), View::LineDown);
    EXPECT_EQ(view.ZoneAt(QPoint(100, 37)), View::PageUp);
    EXPECT_EQ(view.ZoneAt(QPoint(100, 38)), View::Thumb);
    EXPECT_EQ(view.ZoneAt(QPoint(100, 62)), View::PageDown);
    EXPECT_EQ(view.ZoneAt(QPoint(95, 50)), View::NoZone);
    EXPECT_EQ(view.ZoneAt(QPoint(105, 2)), View::NoZone);
}

TEST(MenuScrollView, AViewWithoutEntriesShowsNoneAndNeverScrolls)
{
    View::Menu menu;
    menu.size = QSize(40, 30);
    View view(menu, 20, 16, 3);
    EXPECT_EQ(view.FirstShown(), 0);
    EXPECT_EQ(view.LastShown(), -1);
    for (const int zone : {View::LineDown, View::LineUp, View::PageDown, View::PageUp})
        EXPECT_FALSE(view.Scroll(zone));
    EXPECT_FALSE(view.ScrollToShow(0));
    EXPECT_TRUE(view.ShownEntryRect(0).isEmpty());
    EXPECT_EQ(view.Compose(MenuAnimationPictures::Coordinates(QSize(40, 30)), colors).size(),
              QSize(40 + 16 + 5, 20));
}

TEST(MenuScrollView, TheWindowShowsHeaderShownEntriesFooterAndTheBarColumn)
{
    using MenuAnimationPictures::Coordinates;
    const QImage menu = Coordinates(QSize(96, 208));
    View view = TenEntriesView(2); // entries 2..5 moved up by 40
    const QImage shown = view.Compose(menu, colors);
    ASSERT_EQ(shown.size(), QSize(117, 100));
    const auto source = [](int x, int y) { return qRgb(x, y, 77); };
    EXPECT_EQ(shown.pixel(10, 3), source(10, 3));    // header
    EXPECT_EQ(shown.pixel(10, 4), source(10, 44));   // entry 2's top row
    EXPECT_EQ(shown.pixel(50, 83), source(50, 123)); // entry 5's bottom row
    EXPECT_EQ(shown.pixel(10, 96), source(10, 204)); // footer
    EXPECT_EQ(shown.pixel(116, 99), source(95, 207));
    // The 21 inserted columns repeat the entries' last column in header and footer.
    EXPECT_EQ(shown.pixel(93, 1), source(92, 1));
    EXPECT_EQ(shown.pixel(113, 98), source(92, 206));
    EXPECT_EQ(shown.pixel(114, 50), source(93, 90)); // the frame right of the bar
    // Below the last shown entry the frame's sides go on, the entries' area is cleared.
    EXPECT_EQ(shown.pixel(2, 90), source(2, 44));
    EXPECT_EQ(shown.pixel(3, 90), colors.face.rgb());
    EXPECT_EQ(shown.pixel(92, 95), colors.face.rgb());
    // The gap before the bar, the track, a raised arrow button with its arrow.
    EXPECT_EQ(shown.pixel(93, 50), colors.face.rgb());
    EXPECT_EQ(shown.pixel(97, 50), colors.face.rgb());
    EXPECT_EQ(shown.pixel(105, 30), colors.light.rgb());
    EXPECT_EQ(shown.pixel(98, 4), colors.light.rgb());
    EXPECT_EQ(shown.pixel(113, 19), colors.shadow.rgb());
    EXPECT_EQ(shown.pixel(110, 6), colors.face.rgb());
    EXPECT_EQ(shown.pixel(105, 12), colors.text.rgb());
    // The thumb, raised, 32..55 (12 of 36 pixels of room down for 2 of 6).
    EXPECT_EQ(shown.pixel(98, 32), colors.light.rgb());
    EXPECT_EQ(shown.pixel(105, 45), colors.face.rgb());
    EXPECT_EQ(shown.pixel(113, 55), colors.shadow.rgb());
    EXPECT_EQ(shown.pixel(105, 56), colors.light.rgb());
}

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

// A drop-down of 40 entries shown 200 pixels high; entry 20 has a submenu.
class ScrollingMenu : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        popup.Options()->SetAnimation(T_AM2000_Animation::anNone);
        for (int i = 0; i < 40; ++i)
            Add(QStringLiteral("Entry %1").arg(i));
        Add(QStringLiteral("Inner"), owned[20].get());
        window = Open();
        window->SetScrollHeight(200);
    }
    QPoint Zone(int zone) const { return window->ScrollView()->ZoneRect(zone).center(); }

    Form* window = nullptr;
};

} // namespace

TEST_F(ScrollingMenu, HitTestNamesTheShownEntriesAndTheBarsZones)
{
    ASSERT_TRUE(window->Scrolling());
    EXPECT_EQ(window->height(), 200);
    const int last = window->LastShown();
    EXPECT_EQ(T_AM2000_HitTest::At(*window, window->ShownEntryRect(last).center()), last);
    for (const int zone : {View::LineUp, View::LineDown, View::Thumb, View::PageDown})
        EXPECT_EQ(T_AM2000_HitTest::At(*window, Zone(zone)), zone);
    window->ScrollTo(5);
    EXPECT_EQ(T_AM2000_HitTest::At(*window, window->ShownEntryRect(5).center()), 5);
    EXPECT_EQ(T_AM2000_HitTest::At(*window, window->ShownEntryRect(5).topLeft()), 5);
    EXPECT_EQ(T_AM2000_HitTest::At(*window, Zone(View::PageUp)), View::PageUp);
    // The pointer on a zone selects no entry.
    Hover(*window, 6);
    tracker.Pointer().MouseMove(*window, Zone(View::LineDown));
    EXPECT_EQ(window->Selected(), View::LineDown);
}

TEST_F(ScrollingMenu, AHeldArrowScrollsAtOnceThenAfterTheRepeatDelayThenEveryInterval)
{
    tracker.Pointer().MouseDown(*window, Zone(View::LineDown));
    EXPECT_EQ(window->FirstShown(), 1);
    EXPECT_TRUE(Timer::Instance().TimerPending(100, T_AM2000_TimerCallback::tcScroll));
    Advance(99);
    EXPECT_EQ(window->FirstShown(), 1);
    Advance(1);
    EXPECT_EQ(window->FirstShown(), 2);
    EXPECT_TRUE(Timer::Instance().TimerPending(10, T_AM2000_TimerCallback::tcScroll));
    Advance(10);
    EXPECT_EQ(window->FirstShown(), 3);
    bool chosen = false;
    owned[3]->OnClick = [&chosen](TObject*) { chosen = true; };
    tracker.Pointer().MouseUp(*window, window->ShownEntryRect(3).center());
    Advance(1000);
    EXPECT_EQ(window->FirstShown(), 3);
    EXPECT_FALSE(chosen);
    EXPECT_EQ(tracker.CurrentMenu(), &popup);
}

TEST_F(ScrollingMenu, TheRepeatEndsWhereTheEntriesStopMoving)
{
    tracker.Pointer().MouseDown(*window, Zone(View::PageDown));
    for (int i = 0; i < 20; ++i)
        Advance(100);
    EXPECT_EQ(window->LastShown(), 39);
    EXPECT_EQ(window->FirstShown(), window->ScrollView()->LastFirstShown());
    EXPECT_FALSE(Timer::Instance().Running());
    tracker.Pointer().MouseUp(*window, Zone(View::PageDown));
    tracker.Pointer().MouseDown(*window, Zone(View::LineUp));
    EXPECT_EQ(window->FirstShown(), window->ScrollView()->LastFirstShown() - 1);
}

TEST_F(ScrollingMenu, ADraggedThumbMovesAnEntryPerEntryHeight)
{
    const QPoint grip = Zone(View::Thumb);
    const int line = window->ScrollView()->LineHeight();
    tracker.Pointer().MouseDown(*window, grip);
    EXPECT_EQ(window->FirstShown(), 0);
    tracker.Pointer().MouseMove(*window, grip + QPoint(0, 2 * line + line / 2));
    EXPECT_EQ(window->FirstShown(), 2);
    tracker.Pointer().MouseMove(*window, grip + QPoint(3, 7 * line));
    EXPECT_EQ(window->FirstShown(), 7);
    tracker.Pointer().MouseMove(*window, grip - QPoint(0, line));
    EXPECT_EQ(window->FirstShown(), 0);
    tracker.Pointer().MouseUp(*window, grip);
    tracker.Pointer().MouseMove(*window, grip + QPoint(0, 5 * line));
    EXPECT_EQ(window->FirstShown(), 0);
}

TEST_F(ScrollingMenu, KeysAndTheWheelScrollTheSelectionIntoView)
{
    const int last = window->LastShown();
    tracker.Navigator().MoveSelection(*window, last);
    EXPECT_EQ(window->FirstShown(), 0);
    tracker.Navigator().MoveSelection(*window, last + 1);
    EXPECT_EQ(window->Selected(), last + 1);
    EXPECT_EQ(window->FirstShown(), 1);
    EXPECT_EQ(window->LastShown(), last + 1);
    tracker.Keyboard().Wheel(*window, -2 * T_AM2000_MenuKeyboard::WheelStep);
    EXPECT_EQ(window->Selected(), last + 3);
    EXPECT_EQ(window->FirstShown(), 3);
    tracker.Keyboard().Wheel(*window, 40 * T_AM2000_MenuKeyboard::WheelStep);
    EXPECT_EQ(window->Selected(), 0);
    EXPECT_EQ(window->FirstShown(), 0);
    // Wrapping from the first entry to the last shows the end.
    tracker.Navigator().MoveSelection(*window, -1);
    EXPECT_EQ(window->Selected(), 39);
    EXPECT_EQ(window->LastShown(), 39);
}

TEST_F(ScrollingMenu, ASubmenuOpensBesideItsEntryAsShownOverTheBar)
{
    window->ScrollToShow(20);
    ASSERT_GT(window->FirstShown(), 0);
    tracker.Pointer().MouseMove(*window, window->ShownEntryRect(20).center());
    Advance(Timer::SubmenuDelay);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    const int border = window->Options().Margins()->ValueAt(T_AM2000_Margins::Border);
    const int frame = window->Layout().OuterFrame() ? 2 : 0;
    EXPECT_EQ(
        child->ScreenRect().topLeft(),
        window->ScreenRect().topLeft() +
            QPoint(window->Layout().WindowSize().width() - 5,
                   window->ShownEntryRect(20).y() - window->Layout().Bevel() - border - frame));
    // Scrolling closes it.
    tracker.Pointer().MouseDown(*window, Zone(View::LineUp));
    EXPECT_EQ(window->ChildWindow(), nullptr);
}

TEST_F(ScrollingMenu, ClosingWhileAScrollRepeatsLeavesNothingBehind)
{
    tracker.Pointer().MouseDown(*window, Zone(View::LineDown));
    ASSERT_TRUE(Timer::Instance().Running());
    tracker.CloseAllMenus(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    Advance(100);
    Advance(10);
    EXPECT_FALSE(Timer::Instance().Running());
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
}

TEST_F(ScrollingMenu, FreeingTheMenuWhileAScrollRepeatsLeavesNothingBehind)
{
    {
        TCustomPopupMenu2000 other(nullptr);
        other.Options()->SetAnimation(T_AM2000_Animation::anNone);
        Form* scrolling = tracker.Popup(other, top, QPoint(10, 10));
        scrolling->SetScrollHeight(150);
        tracker.Pointer().MouseDown(*scrolling,
                                    scrolling->ScrollView()->ZoneRect(View::PageDown).center());
        ASSERT_TRUE(Timer::Instance().Running());
    }
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    Advance(100);
    Advance(10);
    EXPECT_FALSE(Timer::Instance().Running());
}

TEST_F(ScrollingMenu, TheWindowPaintsItsShownEntriesAndTheBar)
{
    window->ScrollTo(4);
    const QImage painted = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(painted.size(), window->size());
    const QImage canvas = window->CanvasImage().convertToFormat(QImage::Format_RGB32);
    const QRect shown = window->ShownEntryRect(4);
    const QRect full = window->EntryRect(4);
    for (const QPoint offset : {QPoint(0, 0), QPoint(20, 5), QPoint(shown.width() - 1, 10)})
        EXPECT_EQ(painted.pixel(shown.topLeft() + offset), canvas.pixel(full.topLeft() + offset));
    const T_AM2000_Colors& colors = *window->Options().Colors();
    const QRect up = window->ScrollView()->ZoneRect(View::LineUp);
    EXPECT_EQ(painted.pixel(up.topLeft()),
              TColors::ToQColor(colors.ValueAt(T_AM2000_Colors::Frame)).rgb());
    EXPECT_EQ(painted.pixel(up.bottomRight()),
              TColors::ToQColor(colors.ValueAt(T_AM2000_Colors::FrameShadow)).rgb());
}
