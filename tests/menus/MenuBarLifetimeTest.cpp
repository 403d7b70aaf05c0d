#include "MenuBarTestSupport.h"

#include "T_AM2000_MenuAnimator.h"

#include <QTest>

namespace {

class MenuBarLifetime : public MenuBarTest {
protected:
    static T_AM2000_MenuAnimator* AnimatorOf(QWidget& window)
    {
        for (QObject* child : window.children()) {
            if (auto* animator = dynamic_cast<T_AM2000_MenuAnimator*>(child))
                return animator;
        }
        return nullptr;
    }
    // Opens the first item's drop-down sliding open and lets 20 ms of its opening pass;
    // its animator, or nullptr when it does not animate.
    T_AM2000_MenuAnimator* OpenMidAnimation()
    {
        menu.Options()->SetAnimation(T_AM2000_Animation::anVertSlide);
        Click(0);
        TCustomPopupMenu2000Form* window = tracker.TopWindow();
        T_AM2000_MenuAnimator* animator = window ? AnimatorOf(*window) : nullptr;
        RunFor(20);
        return animator && animator->Animating() ? animator : nullptr;
    }
    // Lets the event loop run with the clock moving, as the program would.
    void RunFor(qint64 ms)
    {
        for (qint64 passed = 0; passed < ms; passed += 10) {
            Advance(10);
            QCoreApplication::processEvents();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST_F(MenuBarLifetime, TheBarListsItselfWithTheMenuTrackingWhileItExists)
{
    const auto& bars = tracker.MenuBars().Bars();
    EXPECT_NE(std::find(bars.begin(), bars.end(), bar.get()), bars.end());
    const I_AM2000_MenuBar* gone = bar.get();
    bar.reset();
    EXPECT_EQ(std::find(bars.begin(), bars.end(), gone), bars.end());
}

TEST_F(MenuBarLifetime, FreeingTheBarWhileItsDropDownAnimatesClosesIt)
{
    ASSERT_NE(OpenMidAnimation(), nullptr);
    bar.reset();
    EXPECT_EQ(tracker.TopWindow(), nullptr);
    RunFor(300);
    EXPECT_EQ(tracker.TopWindow(), nullptr);
}

TEST_F(MenuBarLifetime, AClickOutsideWhileTheDropDownAnimatesClosesTheChain)
{
    ASSERT_NE(OpenMidAnimation(), nullptr);
    QTest::mouseClick(&host, Qt::LeftButton, {}, QPoint(350, 40));
    EXPECT_EQ(tracker.TopWindow(), nullptr);
    EXPECT_EQ(bar->BarState(), T_AM2000_BarState::bsIdle);
    RunFor(300);
    EXPECT_EQ(tracker.TopWindow(), nullptr) << "the steps still due open nothing again";
}

TEST_F(MenuBarLifetime, FreeingTheBarWithItsHoverTimerPendingDropsTheTimer)
{
    for (bool hotTrack : {false, true}) {
        bar = std::make_unique<TMenuBar2000>(nullptr);
        bar->SetParent(&host);
        bar->SetBounds(0, 0, 300, 20);
        bar->SetMenu(&menu);
        bar->SetHotTrack(hotTrack);
        MoveTo(1);
        ASSERT_TRUE(T_AM2000_MenuTimer::Instance().Running());
        bar.reset();
        Advance(1000);
        EXPECT_EQ(tracker.TopWindow(), nullptr);
    }
}

TEST_F(MenuBarLifetime, FreeingTheBarWithTheExpandDelayPendingDropsIt)
{
    AddItem(QStringLiteral("Rarely"), file)->SetHidden(true);
    Click(0);
    ASSERT_TRUE(T_AM2000_MenuTimer::Instance().TimerPending(T_AM2000_MenuTimer::ExpandDelay,
                                                            T_AM2000_TimerCallback::tcExpand));
    bar.reset();
    RunFor(20);
    Advance(3000);
    EXPECT_EQ(tracker.TopWindow(), nullptr);
}

TEST_F(MenuBarLifetime, AFreedMenuLeavesTheBarEmpty)
{
    auto own = std::make_unique<TMainMenu2000>(nullptr);
    AddItem(QStringLiteral("Only"), own->Root());
    bar->SetMenu(own.get());
    ASSERT_EQ(bar->BarItems().Count(), 1);
    MoveTo(0);
    own.reset();
    EXPECT_EQ(bar->Menu(), nullptr);
    EXPECT_EQ(bar->BarItems().Count(), 0);
    EXPECT_EQ(bar->CurrentItem(), nullptr);
    EXPECT_FALSE(bar->grab().isNull());
}

TEST_F(MenuBarLifetime, ALoadedBarWithoutMenuTakesItsWindowsMainMenu)
{
    TPanel window(nullptr);
    auto* own = new TMainMenu2000(&window);
    AddItem(QStringLiteral("Mine"), own->Root());
    auto* loaded = new TMenuBar2000(&window);
    static_cast<TComponent*>(loaded)->Loaded();
    EXPECT_EQ(loaded->Menu(), own);
    EXPECT_EQ(loaded->BarItems().Count(), 1);

    auto* given = new TMenuBar2000(&window);
    given->SetMenu(&menu);
    static_cast<TComponent*>(given)->Loaded();
    EXPECT_EQ(given->Menu(), &menu);
}

TEST_F(MenuBarLifetime, FreeingTheItemWhoseDropDownIsOpenClosesTheDropDown)
{
    TMenuItem2000* extra = AddTop(QStringLiteral("E&xtra"), {QStringLiteral("One")});
    ASSERT_EQ(bar->BarItems().Count(), 4);
    Click(3);
    ASSERT_EQ(OpenItem(), extra);
    const auto found = std::find_if(owned.begin(), owned.end(),
                                    [extra](const auto& item) { return item.get() == extra; });
    owned.erase(found);
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_EQ(bar->BarItems().Count(), 3);
    EXPECT_EQ(bar->BarState(), T_AM2000_BarState::bsIdle);
    RunFor(50);
}

TEST_F(MenuBarLifetime, ItemsFlowAgainWhenTheParentChangesItsWidth)
{
    const int first = bar->BarItems().Entries()[0].rect.width();
    const int second = bar->BarItems().Entries()[1].rect.width();
    ASSERT_EQ(bar->BarItems().Entries()[2].rect.y(), 0);
    host.SetWidth(first + second);
    EXPECT_GT(bar->BarItems().Entries()[2].rect.y(), 0);
    host.SetWidth(400);
    EXPECT_EQ(bar->BarItems().Entries()[2].rect.y(), 0);

    TPanel narrow(nullptr);
    narrow.SetBounds(0, 0, first, 40);
    bar->SetParent(&narrow);
    EXPECT_GT(bar->BarItems().Entries()[1].rect.y(), 0);
    bar->SetParent(&host);
}

TEST_F(MenuBarLifetime, BarsFollowTheirMenuWithoutTakingItsChangeEvent)
{
    int userChanges = 0;
    menu.OnChange = [&userChanges](TObject*, TMenuItem*, bool) { ++userChanges; };
    TMenuBar2000 second(nullptr);
    second.SetParent(&host);
    second.SetBounds(0, 30, 300, 20);
    second.SetMenu(&menu);
    AddTop(QStringLiteral("&Window"), {QStringLiteral("&Tile")});
    EXPECT_GT(userChanges, 0) << "the menu's own handler keeps hearing of changes";
    EXPECT_EQ(bar->BarItems().Count(), 4);
    EXPECT_EQ(second.BarItems().Count(), 4);

    second.SetMenu(nullptr);
    bar.reset();
    const int before = userChanges;
    AddTop(QStringLiteral("&Tools"), {});
    EXPECT_GT(userChanges, before) << "bars that let go leave the handler in place";
    EXPECT_EQ(second.BarItems().Count(), 0);
}

// A bar of its own bounds keeps its width, even where its items need more, unless it
// widens to them; it never narrows to them.
TEST_F(MenuBarLifetime, ABarThatWidensToItsItemsGrowsToThemAndNeverNarrows)
{
    bar->SetWidth(40);
    bar->Rebuild();
    EXPECT_EQ(bar->Width(), 40);
    ASSERT_GT(bar->BarItems().Right(), 40);
    bar->SetWidensToItems(true);
    EXPECT_EQ(bar->Width(), bar->BarItems().Right());
    const int threeItems = bar->Width();
    AddTop(QStringLiteral("&Window"), {QStringLiteral("&Cascade")});
    EXPECT_GT(bar->Width(), threeItems);
    EXPECT_EQ(bar->Width(), bar->BarItems().Right());
    bar->SetWidth(380);
    bar->Rebuild();
    EXPECT_EQ(bar->Width(), 380);
    EXPECT_EQ(bar->Height(), 20);
}
