#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_HitTest.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_StepEvent.h"
#include "T_AM2000_SystemSettings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;
using Callback = T_AM2000_TimerCallback;

// Two neighbouring items with submenus, then a plain item.
class SubmenuTracking : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        first = Add(QStringLiteral("First"));
        Add(QStringLiteral("Inner one"), first);
        Add(QStringLiteral("Inner two"), first);
        second = Add(QStringLiteral("Second"));
        Add(QStringLiteral("Other"), second);
        plain = Add(QStringLiteral("Plain"));
        window = Open();
    }
    Form* OpenFirst()
    {
        Hover(*window, 0);
        Advance(Timer::SubmenuDelay);
        return window->ChildWindow();
    }

    TMenuItem2000* first = nullptr;
    TMenuItem2000* second = nullptr;
    TMenuItem2000* plain = nullptr;
    Form* window = nullptr;
};

} // namespace

TEST_F(SubmenuTracking, HitTestNamesEntriesTheExpandButtonAndNothing)
{
    Add(QStringLiteral("Rare"))->SetHidden(true);
    window->Relayout();
    EXPECT_EQ(T_AM2000_HitTest::At(*window, window->EntryRect(1).topLeft()), 1);
    EXPECT_EQ(T_AM2000_HitTest::At(*window, window->EntryRect(2).bottomRight()), 2);
    EXPECT_EQ(T_AM2000_HitTest::At(*window, window->Layout().ExpandButtonRect().center()),
              Form::ExpandButton);
    EXPECT_EQ(T_AM2000_HitTest::At(*window, QPoint(0, 0)), Form::NoEntry);
    EXPECT_EQ(T_AM2000_HitTest::At(*window, QPoint(-5, window->EntryRect(0).y())), Form::NoEntry);
}

TEST_F(SubmenuTracking, ASubmenuOpensAfterTheSubmenuDelayBesideItsEntry)
{
    Hover(*window, 0);
    EXPECT_TRUE(Timer::Instance().TimerPending(250, Callback::tcSubmenu));
    Advance(249);
    EXPECT_EQ(window->ChildWindow(), nullptr);
    Advance(1);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(&child->Item(), first);
    EXPECT_EQ(child->ParentWindow(), window);
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(child->Selected(), Form::NoEntry);
    EXPECT_EQ(tracker.DeepestWindow(), child);

    // Default options: the 3D outer frame, bevel and border as the layout has them.
    ASSERT_TRUE(window->Layout().OuterFrame());
    const int border = window->Options().Margins()->ValueAt(T_AM2000_Margins::Border);
    const QPoint expected(100 + window->width() - 5,
                          100 + window->EntryRect(0).y() - window->Layout().Bevel() - border - 2);
    EXPECT_EQ(child->ScreenRect().topLeft(), expected);
}

TEST_F(SubmenuTracking, ASubmenuGrowsWithTheMenusAnimationToItsPlace)
{
    const auto previous = AnimateMenus();
    popup.Options()->SetAnimation(T_AM2000_Animation::anVertStretch);
    Form* child = OpenFirst();
    ASSERT_NE(child, nullptr);
    auto* animator = ChildOfType<T_AM2000_MenuAnimator>(*child);
    ASSERT_NE(animator, nullptr);
    const QSize full = child->Layout().WindowSize();
    const QPoint place = child->ScreenRect().topLeft();
    EXPECT_TRUE(animator->Animating());
    EXPECT_EQ(child->width(), full.width());
    EXPECT_LT(child->height(), full.height());
    for (int guard = 0; guard < 100 && animator->Animating(); ++guard) {
        now += T_AM2000_MenuAnimator::StepInterval;
        QCoreApplication::sendPostedEvents(animator, T_AM2000_StepEvent::TypeId());
    }
    EXPECT_FALSE(animator->Animating());
    EXPECT_EQ(child->ScreenRect(), QRect(place, full));
    T_AM2000_SystemSettings::SetSource(previous);
}

TEST_F(SubmenuTracking, MovingToANeighbourWithASubmenuSwitchesAfterTheQuickDelay)
{
    Form* firstChild = OpenFirst();
    ASSERT_NE(firstChild, nullptr);
    Hover(*window, 1);
    EXPECT_TRUE(Timer::Instance().TimerPending(25, Callback::tcSubmenu));
    Advance(24);
    EXPECT_EQ(window->ChildWindow(), firstChild);
    Advance(1);
    ASSERT_NE(window->ChildWindow(), nullptr);
    EXPECT_EQ(&window->ChildWindow()->Item(), second);
    EXPECT_FALSE(firstChild->isVisible());
}

TEST_F(SubmenuTracking, MovingToAPlainItemClosesTheSubmenuAfterTheSubmenuDelay)
{
    Form* firstChild = OpenFirst();
    ASSERT_NE(firstChild, nullptr);
    Hover(*window, 2);
    EXPECT_TRUE(Timer::Instance().TimerPending(250, Callback::tcSubmenu));
    Advance(249);
    EXPECT_TRUE(firstChild->isVisible());
    Advance(1);
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_FALSE(firstChild->isVisible());
    EXPECT_EQ(window->Selected(), 2);
}

// A hand on a mouse never stands still: moves within the entry keep the delay running.
TEST_F(SubmenuTracking, TheDelaysRunWhileThePointerMovesWithinItsEntry)
{
    const QPoint firstCentre = window->EntryRect(0).center();
    tracker.Pointer().MouseMove(*window, firstCentre);
    Advance(100);
    tracker.Pointer().MouseMove(*window, firstCentre + QPoint(3, 1));
    Advance(Timer::SubmenuDelay - 100);
    Form* firstChild = window->ChildWindow();
    ASSERT_NE(firstChild, nullptr);

    const QPoint secondCentre = window->EntryRect(1).center();
    tracker.Pointer().MouseMove(*window, secondCentre);
    Advance(Timer::QuickSubmenuDelay - 1);
    tracker.Pointer().MouseMove(*window, secondCentre + QPoint(-2, 0));
    EXPECT_EQ(window->ChildWindow(), firstChild);
    Advance(1);
    ASSERT_NE(window->ChildWindow(), nullptr);
    EXPECT_EQ(&window->ChildWindow()->Item(), second);
}

TEST_F(SubmenuTracking, ThePointerInASubmenuStopsTheTimerAndKeepsItsOpenerSelected)
{
    Form* child = OpenFirst();
    ASSERT_NE(child, nullptr);
    Hover(*window, 2); // on the way to the submenu across the plain item
    Hover(*child, 1);
    EXPECT_FALSE(Timer::Instance().Running());
    EXPECT_EQ(window->Selected(), 0);
    EXPECT_EQ(child->Selected(), 1);
    Advance(1000);
    EXPECT_EQ(window->ChildWindow(), child);
}

TEST_F(SubmenuTracking, SelectionChangesTellTheItemsInOrder)
{
    QStringList calls;
    for (TMenuItem2000* item : {first, second, plain}) {
        item->OnEnter = [&calls, item](TObject*) { calls << "enter " + item->Caption(); };
        item->OnExit = [&calls, item](TObject*) { calls << "exit " + item->Caption(); };
    }
    Hover(*window, 0);
    Hover(*window, 0);
    Hover(*window, 2);
    tracker.Pointer().MouseLeave(*window, QPoint(0, 0));
    EXPECT_EQ(calls, (QStringList{"enter First", "exit First", "enter Plain", "exit Plain"}));
    EXPECT_EQ(window->Selected(), Form::NoEntry);
    EXPECT_EQ(window->PreviousSelected(), 2);
}

TEST_F(SubmenuTracking, LeavingKeepsTheEntryOfAnOpenSubmenuSelected)
{
    ASSERT_NE(OpenFirst(), nullptr);
    tracker.Pointer().MouseLeave(*window, QPoint(0, 0));
    EXPECT_EQ(window->Selected(), 0);
}

TEST_F(SubmenuTracking, AHotTrackingChainClosesAfterTheLeaveDelayOutsideAllMenus)
{
    tracker.Pointer().SetHotTracking(true);
    Form* child = OpenFirst();
    ASSERT_NE(child, nullptr);
    // Into the submenu: no leave delay.
    tracker.Pointer().MouseLeave(*window, child->ScreenRect().center());
    EXPECT_FALSE(Timer::Instance().Running());
    // Out and back in before the delay is over.
    tracker.Pointer().MouseLeave(*child, QPoint(0, 0));
    EXPECT_TRUE(Timer::Instance().TimerPending(200, Callback::tcLeave));
    Hover(*child, 0);
    Advance(1000);
    EXPECT_TRUE(child->isVisible());
    tracker.Pointer().MouseLeave(*child, QPoint(0, 0));
    Advance(199);
    EXPECT_TRUE(child->isVisible());
    Advance(1);
    EXPECT_FALSE(child->isVisible());
    EXPECT_TRUE(window->isVisible());
    tracker.Pointer().MouseLeave(*window, QPoint(0, 0));
    Advance(200);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
}

TEST_F(SubmenuTracking, ComingBackOntoTheEntryOfTheOpenSubmenuStopsTheLeaveDelay)
{
    tracker.Pointer().SetHotTracking(true);
    ASSERT_NE(OpenFirst(), nullptr);
    tracker.Pointer().MouseLeave(*window, QPoint(0, 0));
    ASSERT_TRUE(Timer::Instance().TimerPending(Timer::LeaveDelay, Callback::tcLeave));
    ASSERT_EQ(window->Selected(), 0);
    Hover(*window, 0);
    Advance(1000);
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(window->ChildWindow(), nullptr);
}

TEST_F(SubmenuTracking, WithoutHotTrackingLeavingStartsNoTimer)
{
    Hover(*window, 2);
    tracker.Pointer().MouseLeave(*window, QPoint(0, 0));
    EXPECT_FALSE(Timer::Instance().Running());
    Advance(1000);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SubmenuTracking, HoveringTheExpandButtonShowsHiddenItemsAfterTheExpandDelay)
{
    Add(QStringLiteral("Rare"))->SetHidden(true);
    window->Relayout();
    ASSERT_NE(OpenFirst(), nullptr);
    tracker.Pointer().MouseMove(*window, window->Layout().ExpandButtonRect().center());
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_TRUE(Timer::Instance().TimerPending(2000, Callback::tcExpand));
    Advance(1999);
    EXPECT_FALSE(window->Expanded());
    Advance(1);
    EXPECT_TRUE(window->Expanded());
    EXPECT_EQ(window->Entries().size(), 4u);
    EXPECT_EQ(window->Selected(), Form::NoEntry);
}

TEST_F(SubmenuTracking, AClickOnAnItemWithASubmenuOpensItAtOnce)
{
    Click(*window, 1);
    ASSERT_NE(window->ChildWindow(), nullptr);
    EXPECT_EQ(&window->ChildWindow()->Item(), second);
}

TEST_F(SubmenuTracking, FreeingTheMenuWithASubmenuAndATimerPendingLeavesNothingBehind)
{
    ASSERT_NE(OpenFirst(), nullptr);
    Hover(*window, 1);
    {
        TCustomPopupMenu2000 other(nullptr);
        tracker.Popup(other, top, QPoint(10, 10));
        Hover(*tracker.TopWindow(), 0);
        Advance(Timer::SubmenuDelay);
        ASSERT_NE(tracker.TopWindow()->ChildWindow(), nullptr);
        Hover(*tracker.TopWindow(), 1);
    }
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(tracker.DeepestWindow(), nullptr);
    Advance(1000);
    QCoreApplication::processEvents();
}

namespace {

// A plain menu whose main menu reports what happens when an entry is chosen.
class Choosing : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        Add(QStringLiteral("Open"));
        save = Add(QStringLiteral("Save"));
        save->OnClick = [this](TObject*) {
            calls
                << QStringLiteral("click, menus %1").arg(tracker.CurrentMenu() ? "open" : "closed");
        };
        mainMenu.OnCloseQuery = [this](TObject*, bool& canClose) {
            calls << QStringLiteral("close query");
            canClose = allowClose;
        };
        mainMenu.OnMenuCommand = [this](TObject* sender) {
            calls << (sender == save ? QStringLiteral("command Save")
                                     : QStringLiteral("command ?"));
        };
        window = Open();
    }

    TMenuItem2000* save = nullptr;
    Form* window = nullptr;
    bool allowClose = true;
    QStringList calls;
};

} // namespace

TEST_F(Choosing, AClickShowsTheEntryPressedForThePressPauseThenClosesAndRunsTheCommand)
{
    Click(*window, 1);
    EXPECT_TRUE(window->Pressed());
    EXPECT_TRUE(Timer::Instance().TimerPending(100, Callback::tcPress));
    Advance(99);
    EXPECT_TRUE(calls.isEmpty());
    Advance(1);
    EXPECT_EQ(calls, (QStringList{"close query", "command Save", "click, menus closed"}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(sounds.played, QStringList{"menu-click"});
}

// Moving on, even onto an entry with a submenu, or pressing Down right after the click
// neither runs another entry nor loses the command.
TEST_F(Choosing, TheClickedEntryStaysChosenThroughThePressPause)
{
    TMenuItem2000* recent = Add(QStringLiteral("Recent"));
    Add(QStringLiteral("Letter"), recent);
    ASSERT_EQ(window->Entries().size(), 3u);
    Click(*window, 1);
    const QPoint over = window->EntryRect(2).center();
    QMouseEvent move(QEvent::MouseMove, over, window->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    QWidget focused;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&focused, &down);
    EXPECT_EQ(window->Selected(), 1);
    EXPECT_TRUE(window->Pressed());
    Advance(Timer::PressPause);
    EXPECT_EQ(calls, (QStringList{"close query", "command Save", "click, menus closed"}));
    EXPECT_FALSE(window->Pressed());
}

TEST_F(Choosing, TheMainMenuHearsOnceThatTheMenusClosed)
{
    int closes = 0;
    mainMenu.OnMenuClose = [this, &closes](TObject* sender) {
        ++closes;
        EXPECT_EQ(sender, &mainMenu);
        EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    };
    Click(*window, 1);
    Advance(Timer::PressPause);
    EXPECT_EQ(closes, 1);
    tracker.CloseAllMenus(true);
    EXPECT_EQ(closes, 1);
    // Another drop-down taking over is no close.
    Open();
    Open();
    EXPECT_EQ(closes, 1);
}

TEST_F(Choosing, ACloseQueryAnsweringNoKeepsTheMenuOpenAndStillRunsTheClick)
{
    allowClose = false;
    Click(*window, 1);
    Advance(100);
    EXPECT_EQ(calls, (QStringList{"close query", "command Save", "click, menus open"}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tracker.CurrentMenu(), &popup);
    EXPECT_FALSE(window->Pressed());
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(Choosing, ADisabledEntryIsNotChosen)
{
    save->SetEnabled(false);
    Click(*window, 1);
    Advance(100);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Choosing, AReleaseOutsideTheEntriesChoosesNothing)
{
    Hover(*window, 1);
    tracker.Pointer().MouseUp(*window, QPoint(0, 0));
    Advance(1000);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(tracker.CurrentMenu(), &popup);
}
