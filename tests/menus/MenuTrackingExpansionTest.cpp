#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_StepEvent.h"
#include "T_AM2000_SystemSettings.h"

#include <QPointer>

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;
using Animator = T_AM2000_MenuAnimator;

// A drop-down with two regular and two hidden entries, and a submenu built alike.
class Expansion : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        previousSettings = AnimateMenus();
        popup.Options()->SetAnimation(T_AM2000_Animation::anNone);
        sub = Add(QStringLiteral("Sub"));
        Add(QStringLiteral("Two"));
        Add(QStringLiteral("Rare"))->SetHidden(true);
        Add(QStringLiteral("Rarer"))->SetHidden(true);
        Add(QStringLiteral("Inner"), sub);
        Add(QStringLiteral("Inner rare"), sub)->SetHidden(true);
        window = Open();
    }
    void TearDown() override
    {
        MenuTracking::TearDown();
        T_AM2000_SystemSettings::SetSource(previousSettings);
    }
    void Step(Animator& animator)
    {
        now += Animator::StepInterval;
        QCoreApplication::sendPostedEvents(&animator, T_AM2000_StepEvent::TypeId());
    }
    Form* OpenSub()
    {
        Hover(*window, 0);
        Advance(Timer::SubmenuDelay);
        return window->ChildWindow();
    }

    TMenuItem2000* sub = nullptr;
    Form* window = nullptr;

private:
    T_AM2000_SystemSettings::Source previousSettings;
};

} // namespace

TEST_F(Expansion, TheWindowKeepsItsPlaceAndSlidesFromItsHeightWithoutTheButton)
{
    const QRect before = window->ScreenRect();
    const int from = before.height() - T_AM2000_DropDownLayout::ExpandButtonHeight;
    Hover(*window, 1);
    tracker.Navigator().Expand(*window);
    EXPECT_TRUE(window->Expanded());
    EXPECT_EQ(window->Entries().size(), 4u);
    EXPECT_EQ(window->Selected(), Form::NoEntry);
    const QSize full = window->Layout().WindowSize();
    ASSERT_GT(full.height(), from);
    auto* animator = ChildOfType<Animator>(*window);
    ASSERT_NE(animator, nullptr);
    EXPECT_TRUE(animator->Animating());
    EXPECT_EQ(window->ScreenRect(), QRect(before.topLeft(), QSize(full.width(), from)));

    // A sixteenth of the difference per step, at least 3 pixels; the bottom part of the
    // menu shows as it slides out.
    const int step = std::max((full.height() - from) / 16, 3);
    const QImage menu = window->CanvasImage();
    for (int height = from + step; height < full.height(); height += step) {
        Step(*animator);
        ASSERT_EQ(window->ScreenRect(), QRect(before.topLeft(), QSize(full.width(), height)));
        const QImage frame = animator->Frame();
        EXPECT_EQ(frame.pixel(3, 0), menu.pixel(3, full.height() - height));
    }
    Step(*animator);
    EXPECT_FALSE(animator->Animating());
    EXPECT_EQ(window->ScreenRect(), QRect(before.topLeft(), full));
}

TEST_F(Expansion, AnExpandedWindowSlidesNoMore)
{
    tracker.Navigator().Expand(*window);
    auto* animator = ChildOfType<Animator>(*window);
    ASSERT_NE(animator, nullptr);
    for (int i = 0; i < 100 && animator->Animating(); ++i)
        Step(*animator);
    const QRect full = window->ScreenRect();
    tracker.Navigator().Expand(*window);
    EXPECT_FALSE(animator->Animating());
    EXPECT_EQ(window->ScreenRect(), full);
}

TEST_F(Expansion, ASubmenuSlidesThenKeepsTheKindItOpenedWith)
{
    popup.Options()->SetAnimation(T_AM2000_Animation::anVertStretch);
    Form* child = OpenSub();
    ASSERT_NE(child, nullptr);
    auto* animator = ChildOfType<Animator>(*child);
    ASSERT_NE(animator, nullptr);
    for (int i = 0; i < 100 && animator->Animating(); ++i)
        Step(*animator);
    const QPoint place = child->ScreenRect().topLeft();
    tracker.Navigator().Expand(*child);
    ASSERT_TRUE(animator->Animating());
    Step(*animator);
    // Slid, not stretched: the frame's first row is a row from further down the menu.
    const QImage menu = child->CanvasImage();
    const int shown = child->height();
    ASSERT_LT(shown, menu.height());
    EXPECT_EQ(animator->Frame().pixel(2, 0), menu.pixel(2, menu.height() - shown));
    for (int i = 0; i < 100 && animator->Animating(); ++i)
        Step(*animator);
    EXPECT_EQ(child->ScreenRect(), QRect(place, child->Layout().WindowSize()));
    EXPECT_EQ(animator->OpenedWith(), T_AM2000_Animation::anVertStretch);
}

TEST_F(Expansion, ClosingOrFreeingTheChainWhileStepsArePendingLeavesNothingBehind)
{
    popup.Options()->SetAnimation(T_AM2000_Animation::anVertStretch);
    tracker.Navigator().Expand(*window);
    Form* child = OpenSub();
    ASSERT_NE(child, nullptr);
    auto* animator = ChildOfType<Animator>(*child);
    ASSERT_TRUE(animator && animator->Animating());
    tracker.Navigator().Expand(*child);
    ASSERT_TRUE(ChildOfType<Animator>(*window)->Animating());
    const QRect closing = child->ScreenRect();
    tracker.CloseAllMenus(true);
    now += 100;
    QCoreApplication::sendPostedEvents(nullptr, T_AM2000_StepEvent::TypeId());
    EXPECT_EQ(child->ScreenRect(), closing);
    QPointer<Form> gone = child;
    QPointer<Form> top = window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(gone);
    EXPECT_FALSE(top);
    now += 100;
    QCoreApplication::sendPostedEvents(nullptr, T_AM2000_StepEvent::TypeId());
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
}

TEST_F(Expansion, WithoutAutomaticShowingTheExpandButtonWaitsForAClick)
{
    popup.Options()->SetFlags({T_AM2000_Flag::mfNoAutoShowHidden});
    window->Relayout();
    const QPoint button = window->Layout().ExpandButtonRect().center();
    tracker.Pointer().MouseMove(*window, button);
    EXPECT_EQ(window->Selected(), Form::ExpandButton);
    Advance(Timer::ExpandDelay * 2);
    EXPECT_FALSE(window->Expanded());
    tracker.Pointer().MouseUp(*window, button);
    EXPECT_TRUE(window->Expanded());
}
