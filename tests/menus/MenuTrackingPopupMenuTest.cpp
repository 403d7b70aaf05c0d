#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "TPopupMenu.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_WindowPlacement.h"

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
        previousScreen = T_AM2000_WindowPlacement::SetScreenSource([] { return QSize(400, 300); });
        copy = Entry(QStringLiteral("Copy"));
        Entry(QStringLiteral("Save as"));
        platformEntry.SetCaption(QStringLiteral("Platform"));
        menu.Add(&platformEntry);
    }
    void TearDown() override
    {
        MenuTracking::TearDown();
        T_AM2000_WindowPlacement::SetScreenSource(previousScreen);
    }
    TMenuItem2000* Entry(const QString& caption)
    {
        auto* item = new TMenuItem2000(nullptr);
        owned.emplace_back(item);
        item->SetCaption(caption);
        menu.Add(item);
        return item;
    }

    TCustomPopupMenu2000 menu{nullptr};
    TMenuItem platformEntry{nullptr};
    TMenuItem2000* copy = nullptr;

private:
    T_AM2000_WindowPlacement::ScreenSource previousScreen;
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
    EXPECT_EQ(window->pos(), QPoint(50, 60));
    EXPECT_NE(ChildOfType<T_AM2000_MenuAnimator>(*window), nullptr);
}

TEST_F(PopupMenuOpening, WhereTheScreenEndsItOpensAboveAndLeftOfTheCursor)
{
    menu.Options()->SetAnimation(T_AM2000_Animation::anNone);
    menu.Popup(QPoint(395, 295));
    Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window->geometry().right(), 399);
    EXPECT_EQ(window->geometry().bottom() + 1, 295);
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
