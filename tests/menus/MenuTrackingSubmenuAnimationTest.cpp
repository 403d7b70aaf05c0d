#include "MenuFirstFrame.h"
#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "TScreen.h"
#include "TWindowStack.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_StepEvent.h"
#include "T_AM2000_SystemSettings.h"

#include <QPointer>
#include <optional>

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;
using Animator = T_AM2000_MenuAnimator;
using enum T_AM2000_Animation;

// Three levels of submenus, each opening from its first entry, with the desktop's menu
// animation on.
class SubmenuAnimation : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        previousSettings = AnimateMenus();
        TMenuItem2000* level1 = Add(QStringLiteral("Level 1"));
        TMenuItem2000* level2 = Add(QStringLiteral("Level 2"), level1);
        Add(QStringLiteral("Beside"), level1);
        Add(QStringLiteral("Level 3"), level2);
        Add(QStringLiteral("Plain"));
    }
    void TearDown() override
    {
        MenuTracking::TearDown();
        T_AM2000_SystemSettings::SetSource(previousSettings);
    }
    static void Finish(Animator& animator, qint64& now)
    {
        for (int i = 0; i < 100 && animator.Animating(); ++i) {
            now += Animator::StepInterval;
            QCoreApplication::sendPostedEvents(&animator, T_AM2000_StepEvent::TypeId());
        }
    }
    // Opens the submenu of entry 0 of window by hovering and lets it finish opening.
    Form* OpenFirst(Form& window)
    {
        Hover(window, 0);
        Advance(Timer::SubmenuDelay);
        Form* child = window.ChildWindow();
        if (child)
            Finish(*ChildOfType<Animator>(*child), now);
        return child;
    }
    // The kinds the first and the second submenu opened with.
    std::pair<std::optional<T_AM2000_Animation>, std::optional<T_AM2000_Animation>>
    Kinds(T_AM2000_Animation animation)
    {
        popup.Options()->SetAnimation(animation);
        Form* child = OpenFirst(*Open());
        if (!child)
            return {};
        Form* grandchild = OpenFirst(*child);
        if (!grandchild)
            return {};
        return {ChildOfType<Animator>(*child)->OpenedWith(),
                ChildOfType<Animator>(*grandchild)->OpenedWith()};
    }

private:
    T_AM2000_SystemSettings::Source previousSettings;
};

} // namespace

TEST_F(SubmenuAnimation, SubmenusTakeTheKindTheirOpenerRemembered)
{
    using Pair = std::pair<std::optional<T_AM2000_Animation>, std::optional<T_AM2000_Animation>>;
    EXPECT_EQ(Kinds(anSlide), Pair(anHorzSlide, anHorzSlide));
    EXPECT_EQ(Kinds(anStretch), Pair(anHorzStretch, anHorzStretch));
    EXPECT_EQ(Kinds(anRoll), Pair(anHorzRoll, anHorzRoll));
    EXPECT_EQ(Kinds(anPopup), Pair(anHorzSlide, anHorzSlide));
    EXPECT_EQ(Kinds(anDefault), Pair(anHorzSlide, anHorzSlide));
    EXPECT_EQ(Kinds(anVertStretch), Pair(anVertStretch, anVertStretch));
    EXPECT_EQ(Kinds(anDoubleRoll), Pair(anDoubleRoll, anDoubleRoll));
}

TEST_F(SubmenuAnimation, ASubmenuOpenedWithItsFirstEntrySelectedOpensThatOnesAfterItGrew)
{
    popup.Options()->SetAnimation(anVertStretch);
    Form* window = Open();
    tracker.Navigator().MoveSelection(*window, 0);
    tracker.Navigator().OpenSubmenu(*window, true);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Selected(), 0);
    auto* animator = ChildOfType<Animator>(*child);
    ASSERT_TRUE(animator && animator->Animating());
    EXPECT_FALSE(Timer::Instance().Running());
    Finish(*animator, now);
    EXPECT_TRUE(Timer::Instance().TimerPending(250, T_AM2000_TimerCallback::tcSubmenu));
    Advance(250);
    ASSERT_NE(child->ChildWindow(), nullptr);
    EXPECT_EQ(child->ChildWindow()->Entries().front()->Caption(), QStringLiteral("Level 3"));
}

TEST_F(SubmenuAnimation, ASubmenuWithoutSelectionStartsNoTimerWhenItHasGrown)
{
    popup.Options()->SetAnimation(anVertStretch);
    Form* child = OpenFirst(*Open());
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(ChildOfType<Animator>(*child)->Animating());
    EXPECT_FALSE(Timer::Instance().Running());
}

TEST_F(SubmenuAnimation, FreeingTheMenuWhileSubmenusGrowLeavesNothingBehind)
{
    QPointer<Form> child, grandchild;
    {
        TCustomPopupMenu2000 other(nullptr);
        other.Options()->SetAnimation(anVertStretch);
        Form* window = tracker.Popup(other, top, QPoint(10, 10));
        child = OpenFirst(*window);
        ASSERT_TRUE(child);
        Hover(*child, 0);
        Advance(Timer::SubmenuDelay);
        grandchild = child->ChildWindow();
        ASSERT_TRUE(grandchild);
        ASSERT_TRUE(ChildOfType<Animator>(*grandchild)->Animating());
    }
    EXPECT_FALSE(child);
    EXPECT_FALSE(grandchild);
    EXPECT_EQ(tracker.DeepestWindow(), nullptr);
    now += 100;
    QCoreApplication::sendPostedEvents(nullptr, T_AM2000_StepEvent::TypeId());
    Advance(1000);
}

// A submenu's shadow never darkens a menu of its chain: the windows stack over every
// shadow, in the order they opened.
TEST_F(SubmenuAnimation, TheShadowsOfSubmenusLieUnderTheWholeChain)
{
    popup.Options()->SetFlags({T_AM2000_Flag::mfDropShadow});
    Form* window = Open();
    Form* child = OpenFirst(*window);
    ASSERT_NE(child, nullptr);
    Form* grandchild = OpenFirst(*child);
    ASSERT_NE(grandchild, nullptr);
    // The child's first frame comes only after its own submenu opened.
    PaintFirstFrame(*grandchild);
    PaintFirstFrame(*child);
    const QWidgetList stack = Screen->Windows().Visible();
    const auto at = [&stack](const QWidget* window) {
        const qsizetype index = stack.indexOf(window);
        EXPECT_GE(index, 0);
        return index;
    };
    const T_AM2000_DropShadow* childShadow = ShadowOf(*child);
    const T_AM2000_DropShadow* grandchildShadow = ShadowOf(*grandchild);
    ASSERT_TRUE(childShadow && grandchildShadow);
    EXPECT_LT(at(childShadow->window()), at(window->window()));
    EXPECT_LT(at(grandchildShadow->window()), at(window->window()));
    EXPECT_LT(at(window->window()), at(child->window()));
    EXPECT_LT(at(child->window()), at(grandchild->window()));
}
