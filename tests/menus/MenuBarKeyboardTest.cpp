#include "MenuBarTestSupport.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_StepEvent.h"

namespace {

using State = T_AM2000_BarState;

class MenuBarKeyboard : public MenuBarTest {};

} // namespace

TEST_F(MenuBarKeyboard, AltPressedAndReleasedHighlightsTheFirstItemWithoutOpeningIt)
{
    Key(Qt::Key_Alt);
    EXPECT_TRUE(bar->KeyboardMode());
    EXPECT_TRUE(bar->ShowUnderlines());
    EXPECT_EQ(bar->BarState(), State::bsOpen);
    EXPECT_EQ(bar->CurrentItem(), file);
    EXPECT_EQ(OpenItem(), nullptr);
}

TEST_F(MenuBarKeyboard, DownThenOpensTheFirstItemWithItsFirstEntrySelected)
{
    Key(Qt::Key_Alt);
    Key(Qt::Key_Down);
    ASSERT_EQ(OpenItem(), file);
    EXPECT_EQ(tracker.TopWindow()->Selected(), 0);
}

TEST_F(MenuBarKeyboard, F10AloneEntersKeyboardModeToo)
{
    Key(Qt::Key_F10);
    EXPECT_TRUE(bar->KeyboardMode());
    EXPECT_EQ(bar->CurrentItem(), file);
}

TEST_F(MenuBarKeyboard, AltWithAnotherKeyBetweenIsNoKeyboardMode)
{
    QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(&host, &altDown);
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::AltModifier | Qt::ShiftModifier);
    QCoreApplication::sendEvent(&host, &shift);
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &altUp);
    EXPECT_FALSE(bar->KeyboardMode());
    EXPECT_EQ(bar->BarState(), State::bsIdle);
    // Alt showed the underlines all the same.
    EXPECT_TRUE(bar->ShowUnderlines());
}

TEST_F(MenuBarKeyboard, InKeyboardModeArrowsAndTabMoveRoundTheItems)
{
    Key(Qt::Key_Alt);
    Key(Qt::Key_Right);
    EXPECT_EQ(bar->CurrentItem(), edit);
    Key(Qt::Key_Tab);
    EXPECT_EQ(bar->CurrentItem(), help);
    Key(Qt::Key_Right);
    EXPECT_EQ(bar->CurrentItem(), file);
    Key(Qt::Key_Left);
    EXPECT_EQ(bar->CurrentItem(), help);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(bar->CurrentItem(), edit);
    EXPECT_EQ(OpenItem(), nullptr);
}

TEST_F(MenuBarKeyboard, EscapeLeavesKeyboardMode)
{
    Key(Qt::Key_Alt);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(bar->KeyboardMode());
    EXPECT_EQ(bar->BarState(), State::bsIdle);
    EXPECT_EQ(bar->CurrentItem(), nullptr);
}

TEST_F(MenuBarKeyboard, RightAndLeftFromATopDropDownMoveToTheNeighbouringItem)
{
    Key(Qt::Key_Alt);
    Key(Qt::Key_Return);
    ASSERT_EQ(OpenItem(), file);
    Key(Qt::Key_Right);
    EXPECT_EQ(OpenItem(), edit);
    EXPECT_EQ(tracker.TopWindow()->Selected(), 0);
    Key(Qt::Key_Left);
    EXPECT_EQ(OpenItem(), file);
    Key(Qt::Key_Left);
    EXPECT_EQ(OpenItem(), help);
}

TEST_F(MenuBarKeyboard, RightOverAnEntryWithASubmenuOpensTheSubmenuInstead)
{
    AddItem(QStringLiteral("Deeper"), file->Items(0));
    Key(Qt::Key_Alt);
    Key(Qt::Key_Down);
    ASSERT_EQ(OpenItem(), file);
    Key(Qt::Key_Right);
    EXPECT_EQ(OpenItem(), file);
    EXPECT_NE(tracker.TopWindow()->ChildWindow(), nullptr);
}

// Once the drop-down is there, its selected entry opens its submenu after the delay.
TEST_F(MenuBarKeyboard, TheFirstEntrysSubmenuOpensWhenTheDropDownHasFinishedOpening)
{
    AddItem(QStringLiteral("Deeper"), file->Items(0));
    Key(Qt::Key_Alt);
    Key(Qt::Key_Down);
    ASSERT_EQ(OpenItem(), file);
    // The opening's steps.
    for (int guard = 0; guard < 100; ++guard) {
        now += T_AM2000_MenuAnimator::StepInterval;
        QCoreApplication::sendPostedEvents(nullptr, T_AM2000_StepEvent::TypeId());
    }
    EXPECT_EQ(tracker.TopWindow()->ChildWindow(), nullptr);
    Advance(T_AM2000_MenuTimer::SubmenuDelay);
    EXPECT_NE(tracker.TopWindow()->ChildWindow(), nullptr);
}

TEST_F(MenuBarKeyboard, AltAndAnAcceleratorOpensThatItemWithItsFirstEntrySelected)
{
    Key(Qt::Key_H, Qt::AltModifier, QStringLiteral("h"));
    ASSERT_EQ(OpenItem(), help);
    EXPECT_EQ(tracker.TopWindow()->Selected(), 0);
    EXPECT_EQ(bar->CurrentItem(), help);
}

TEST_F(MenuBarKeyboard, AltAndALetterOfNoItemRunsTheMenuShortcut)
{
    auto* save = static_cast<TMenuItem2000*>(file->Items(1));
    save->SetShortCutText(QStringLiteral("Alt+S"));
    std::vector<TObject*> order;
    menu.OnMenuCommand = [&order](TObject* item) { order.push_back(item); };
    save->OnClick = [&order](TObject*) { order.push_back(nullptr); };
    Key(Qt::Key_S, Qt::AltModifier, QStringLiteral("s"));
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_EQ(order, (std::vector<TObject*>{save, nullptr}));
}

TEST_F(MenuBarKeyboard, ALetterInKeyboardModeOpensItsItem)
{
    Key(Qt::Key_Alt);
    Key(Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
    EXPECT_EQ(OpenItem(), edit);
}

TEST_F(MenuBarKeyboard, KeysOfAnotherWindowAreNotTheBars)
{
    TPanel other(nullptr);
    other.show();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(&other, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(&other, &release);
    EXPECT_FALSE(bar->KeyboardMode());
}

TEST_F(MenuBarKeyboard, TheBarsWindowLosingTheActivationEndsKeyboardMode)
{
    Key(Qt::Key_Alt);
    ASSERT_TRUE(bar->KeyboardMode());
    QWidget other;
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&other, &deactivate);
    EXPECT_TRUE(bar->KeyboardMode());
    QCoreApplication::sendEvent(&host, &deactivate);
    EXPECT_FALSE(bar->KeyboardMode());
    EXPECT_EQ(bar->BarState(), State::bsIdle);
}

TEST_F(MenuBarKeyboard, APressOutsideTheBarEndsKeyboardMode)
{
    Key(Qt::Key_Alt);
    ASSERT_TRUE(bar->KeyboardMode());
    const QPoint local(5, 50);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(local), QPointF(host.mapToGlobal(local)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &press);
    EXPECT_FALSE(bar->KeyboardMode());
    EXPECT_EQ(bar->BarState(), State::bsIdle);
}
