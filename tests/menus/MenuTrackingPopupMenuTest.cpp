#include "MenuTrackingTestSupport.h"
#include "ScopedScreenSize.h"
#include "TCustomPopupMenu2000Form.h"
#include "TPopupMenu2000.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOptions.h"

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

// An animated popup menu with two animated items and a platform one, shown at the cursor
// on a 400 x 300 screen.
class PopupMenuOpening : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        copy = AddTo(menu, QStringLiteral("Copy"));
        AddTo(menu, QStringLiteral("Save as"));
        platformEntry.SetCaption(QStringLiteral("Platform"));
        menu.Add(&platformEntry);
    }
    ScopedScreenSize screenSize{QSize(400, 300)};
    TPopupMenu2000 menu{nullptr};
    TMenuItem platformEntry{nullptr};
    TMenuItem2000* copy = nullptr;
};

} // namespace

TEST_F(PopupMenuOpening, OpensItsAnimatedItemsAtTheCursorAsANewChain)
{
    Form* other = Open();
    ASSERT_TRUE(other->isVisible());
    menu.Popup(QPoint(50, 60));
    EXPECT_EQ(TPopupMenu::ShownMenu(), nullptr);
    EXPECT_FALSE(other->isVisible());
    Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(&window->Menu(), &menu);
    ASSERT_EQ(window->Entries().size(), 2u);
    EXPECT_EQ(window->Entries()[0], copy);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->ScreenRect().topLeft(), QPoint(50, 60));
    EXPECT_NE(ChildOfType<T_AM2000_MenuAnimator>(*window), nullptr);
}

TEST_F(PopupMenuOpening, WhereTheScreenEndsItOpensAboveAndLeftOfTheCursor)
{
    menu.Options()->SetAnimation(T_AM2000_Animation::anNone);
    menu.Popup(QPoint(395, 295));
    Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window->ScreenRect().right(), 399);
    EXPECT_EQ(window->ScreenRect().bottom() + 1, 295);
}

TEST_F(PopupMenuOpening, ChoosingAnEntryRunsItsClickAndCloses)
{
    int copied = 0;
    copy->OnClick = [&copied](TObject*) { ++copied; };
    menu.Popup(QPoint(50, 60));
    Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    Click(*window, 0);
    Advance(Timer::PressPause);
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
}

TEST_F(PopupMenuOpening, OnlyPlatformItemsOpenNothing)
{
    owned.clear();
    menu.Popup(QPoint(50, 60));
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(TPopupMenu::ShownMenu(), nullptr);
}

TEST_F(PopupMenuOpening, TheOpenMenuFollowsTheChangesOfItsItems)
{
    menu.Options()->SetAnimation(T_AM2000_Animation::anNone);
    menu.Popup(QPoint(50, 60));
    Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    TMenuItem2000* paste = AddTo(menu, QStringLiteral("Paste"));
    ASSERT_EQ(window->Entries().size(), 3u);
    EXPECT_EQ(window->Entries()[2], paste);
    copy->SetVisible(false);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->Entries().size(), 2u);
    EXPECT_EQ(window->Entries()[1], paste);
    EXPECT_TRUE(window->isVisible());
}
