#include "I_AM2000_MenuBar.h"
#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuOptions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {

using Form = TCustomPopupMenu2000Form;

// Entries: Open, a separator, Disabled, Last with a submenu of two entries.
class MenuKeys : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        open = Add(QStringLiteral("&Open"));
        Add(QStringLiteral("-"));
        disabled = Add(QStringLiteral("&Disabled"));
        disabled->SetEnabled(false);
        last = Add(QStringLiteral("&Last"));
        Add(QStringLiteral("Inner"), last);
        Add(QStringLiteral("Inner two"), last);
        T_AM2000_Flags flags;
        flags.Include(T_AM2000_Flag::mfNoHighDisabled);
        popup.Options()->SetFlags(flags);
        window = Open();
    }
    bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        return tracker.Keyboard().KeyDown(*tracker.DeepestWindow(), key, modifiers, text);
    }

    TMenuItem2000* open = nullptr;
    TMenuItem2000* disabled = nullptr;
    TMenuItem2000* last = nullptr;
    Form* window = nullptr;
};

} // namespace

TEST_F(MenuKeys, DownAndUpSkipSeparatorsAndDisabledEntriesAndWrapAtTheEnds)
{
    EXPECT_TRUE(Key(Qt::Key_Down));
    EXPECT_EQ(window->Selected(), 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(window->Selected(), 3);
    Key(Qt::Key_Down);
    EXPECT_EQ(window->Selected(), 0);
    Key(Qt::Key_Up);
    EXPECT_EQ(window->Selected(), 3);
    Key(Qt::Key_Up);
    EXPECT_EQ(window->Selected(), 0);
    Key(Qt::Key_Tab);
    EXPECT_EQ(window->Selected(), 3);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(window->Selected(), 0);
}

TEST_F(MenuKeys, UpWithNothingSelectedSelectsTheLastEntry)
{
    Key(Qt::Key_Up);
    EXPECT_EQ(window->Selected(), 3);
}

TEST_F(MenuKeys, WithoutTheFlagDisabledEntriesAreSelectable)
{
    popup.Options()->SetFlags(T_AM2000_Flags());
    window->Relayout();
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(window->Selected(), 2);
}

TEST_F(MenuKeys, DownOnTheLastEntryExpandsAMenuWithHiddenItems)
{
    TMenuItem2000* rare = Add(QStringLiteral("Rare"));
    rare->SetHidden(true);
    window->Relayout();
    Key(Qt::Key_Up);
    ASSERT_EQ(window->Selected(), 3);
    Key(Qt::Key_Down);
    EXPECT_TRUE(window->Expanded());
    ASSERT_EQ(window->Entries().size(), 5u);
    EXPECT_EQ(window->Entries()[4], rare);
    EXPECT_EQ(window->Selected(), Form::NoEntry);
}

TEST_F(MenuKeys, CtrlDownExpands)
{
    Add(QStringLiteral("Rare"))->SetHidden(true);
    window->Relayout();
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_TRUE(window->Expanded());
}

TEST_F(MenuKeys, ALetterWithoutAcceleratorBeepsAndChangesNothing)
{
    Key(Qt::Key_Down);
    EXPECT_TRUE(Key(Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(window->Selected(), 0);
    EXPECT_EQ(tracker.CurrentMenu(), &popup);
    EXPECT_TRUE(window->isVisible());
    // The accelerator of a disabled entry matches nothing either.
    Key(Qt::Key_D, Qt::NoModifier, QStringLiteral("d"));
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(window->Selected(), 0);
}

TEST_F(MenuKeys, AnAcceleratorChoosesItsEntryAtOnce)
{
    int clicks = 0;
    open->OnClick = [&clicks](TObject*) { ++clicks; };
    Key(Qt::Key_O, Qt::ShiftModifier, QStringLiteral("O"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(beeps, 0);
}

TEST_F(MenuKeys, AnAcceleratorOfAnEntryWithASubmenuOpensIt)
{
    Key(Qt::Key_L, Qt::NoModifier, QStringLiteral("l"));
    EXPECT_EQ(window->Selected(), 3);
    ASSERT_NE(window->ChildWindow(), nullptr);
    EXPECT_EQ(&window->ChildWindow()->Item(), last);
}

TEST_F(MenuKeys, ModifierKeysAloneAreLeftAlone)
{
    EXPECT_FALSE(Key(Qt::Key_Shift, Qt::ShiftModifier));
    EXPECT_EQ(beeps, 0);
}

TEST_F(MenuKeys, RightOpensTheSubmenuWithItsFirstEntrySelectedAndLeftClosesIt)
{
    Key(Qt::Key_Down);
    EXPECT_FALSE(Key(Qt::Key_Right)); // no submenu: the menu bar's business
    Key(Qt::Key_Up);
    EXPECT_TRUE(Key(Qt::Key_Right));
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Selected(), 0);
    EXPECT_EQ(tracker.DeepestWindow(), child);
    EXPECT_TRUE(Key(Qt::Key_Left));
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_FALSE(child->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(Key(Qt::Key_Left)); // the top window: the menu bar's business
    EXPECT_TRUE(window->isVisible());
}

namespace {

class FakeBar : public I_AM2000_MenuBar {
public:
    QWidget* BarWidget() override { return &widget; }
    void ResetBar() override { ++resets; }
    QWidget widget;
    int resets = 0;
};

} // namespace

TEST_F(MenuKeys, EscapeInASubmenuClosesOnlyItAndInTheTopWindowEverything)
{
    FakeBar bar;
    tracker.MenuBars().Register(&bar);
    Key(Qt::Key_Up);
    Key(Qt::Key_Right);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(child->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tracker.CurrentMenu(), &popup);
    EXPECT_EQ(bar.resets, 0);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(bar.resets, 1);
    tracker.MenuBars().Unregister(&bar);
}

TEST_F(MenuKeys, EnterChoosesTheSelectedEntryAfterThePressPause)
{
    int clicks = 0;
    open->OnClick = [&clicks](TObject*) { ++clicks; };
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_TRUE(window->Pressed());
    Advance(100);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
}

// Enter is a click: the submenu opens at once with nothing selected; Right selects its
// first entry.
TEST_F(MenuKeys, EnterOnAnEntryWithASubmenuOpensItAsAClickDoes)
{
    Key(Qt::Key_Up);
    Key(Qt::Key_Return);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(&child->Item(), last);
    EXPECT_EQ(child->Selected(), Form::NoEntry);
    EXPECT_FALSE(window->Pressed());
    Key(Qt::Key_Escape);
    Key(Qt::Key_Right);
    ASSERT_NE(window->ChildWindow(), nullptr);
    EXPECT_EQ(window->ChildWindow()->Selected(), 0);
}

TEST_F(MenuKeys, TheWheelMovesOneEntryPerFullStepAndStopsAtTheEnds)
{
    tracker.Keyboard().Wheel(*window, -60);
    EXPECT_EQ(window->Selected(), Form::NoEntry);
    tracker.Keyboard().Wheel(*window, -60);
    EXPECT_EQ(window->Selected(), 0);
    tracker.Keyboard().Wheel(*window, -240);
    EXPECT_EQ(window->Selected(), 3);
    tracker.Keyboard().Wheel(*window, 120);
    EXPECT_EQ(window->Selected(), 0);
    tracker.Keyboard().Wheel(*window, 120);
    EXPECT_EQ(window->Selected(), 0);
}

// Input as the application delivers it, through the event filter.
TEST_F(MenuKeys, KeysForTheFocusedWidgetReachTheMenu)
{
    QWidget focused;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&focused, &down);
    EXPECT_EQ(window->Selected(), 0);
    EXPECT_TRUE(down.isAccepted());
    QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&focused, &wheel);
    EXPECT_EQ(window->Selected(), 3);
}

namespace {

void Press(QWidget& widget, QPoint local)
{
    const QPoint global = widget.mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

} // namespace

TEST_F(MenuKeys, APressOutsideEveryMenuWindowClosesAll)
{
    FakeBar bar;
    tracker.MenuBars().Register(&bar);
    Press(*window, window->EntryRect(0).center());
    EXPECT_TRUE(window->isVisible());
    bar.widget.setGeometry(500, 500, 50, 20);
    bar.widget.show();
    Press(bar.widget, QPoint(5, 5));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(bar.resets, 0);

    QWidget elsewhere;
    elsewhere.setGeometry(700, 600, 40, 40);
    elsewhere.show();
    Press(elsewhere, QPoint(5, 5));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(bar.resets, 1);
    tracker.MenuBars().Unregister(&bar);
}

TEST_F(MenuKeys, MouseInputOverTheWindowsGoesToTheTracker)
{
    const QPoint local = window->EntryRect(3).center();
    QMouseEvent move(QEvent::MouseMove, local, window->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    EXPECT_EQ(window->Selected(), 3);
    QMouseEvent release(QEvent::MouseButtonRelease, local, window->mapToGlobal(local),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &release);
    ASSERT_NE(window->ChildWindow(), nullptr);
    EXPECT_EQ(&window->ChildWindow()->Item(), last);
}

TEST_F(MenuKeys, TheRightButtonOverAnEntryAsksTheMainMenuForAContextMenu)
{
    std::vector<TObject*> senders;
    mainMenu.OnContextMenu = [&senders](TObject* sender) { senders.push_back(sender); };
    const QPoint over = window->EntryRect(0).center();
    QMouseEvent release(QEvent::MouseButtonRelease, over, window->mapToGlobal(over),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &release);
    EXPECT_EQ(senders, std::vector<TObject*>{&mainMenu});
    tracker.Pointer().RightMouseUp(*window, QPoint(0, 0));
    EXPECT_EQ(senders.size(), 1u);
    EXPECT_TRUE(window->isVisible());
}

// The window has nothing hidden: the open submenu and its entry stay as they are.
TEST_F(MenuKeys, CtrlDownWithNothingToExpandChangesNothing)
{
    Key(Qt::Key_Up);
    Key(Qt::Key_Right);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(tracker.Keyboard().KeyDown(*window, Qt::Key_Down, Qt::ControlModifier, {}));
    EXPECT_EQ(window->ChildWindow(), child);
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(window->Selected(), 3);
}

// Another window of the program taking the activation from the bar's window closes the
// menus; any other window losing it changes nothing.
TEST_F(MenuKeys, TheWindowOfAMenuBarLosingTheActivationClosesAll)
{
    QWidget owner;
    FakeBar bar;
    bar.widget.setParent(&owner);
    tracker.MenuBars().Register(&bar);
    QWidget other;
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&other, &deactivate);
    EXPECT_TRUE(window->isVisible());
    QApplication::sendEvent(&owner, &deactivate);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(bar.resets, 1);
    tracker.MenuBars().Unregister(&bar);
}

TEST_F(MenuKeys, TheApplicationLosingTheActivationClosesAll)
{
    FakeBar bar;
    tracker.MenuBars().Register(&bar);
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QApplication::sendEvent(QApplication::instance(), &deactivate);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(bar.resets, 1);
    tracker.MenuBars().Unregister(&bar);
}
