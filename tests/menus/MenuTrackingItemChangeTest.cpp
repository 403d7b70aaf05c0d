#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_DrawState.h"

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

// "One", "Two" with the submenu "Inner", "Three"; the submenu of Two is open.
class ItemChange : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        Add(QStringLiteral("One"));
        two = Add(QStringLiteral("Two"));
        Add(QStringLiteral("Inner"), two);
        three = Add(QStringLiteral("Three"));
        window = Open();
        Hover(*window, 1);
        Advance(Timer::SubmenuDelay);
    }
    TMenuItem2000* two = nullptr;
    TMenuItem2000* three = nullptr;
    Form* window = nullptr;
};

} // namespace

TEST_F(ItemChange, AFreedEntryLeavesTheOpenWindowAtOnce)
{
    Hover(*window, 2);
    Free(three);
    ASSERT_EQ(window->Entries().size(), 2u);
    EXPECT_EQ(window->Entries()[1], two);
    EXPECT_EQ(window->Selected(), Form::NoEntry);
    // The pointer over the place where the entry was reads nothing freed.
    Hover(*window, 1);
    EXPECT_EQ(window->Selected(), 1);
}

TEST_F(ItemChange, TheSelectedItemStaysSelectedWhenEntriesBeforeItGo)
{
    Hover(*window, 2);
    window->Entries()[0]->SetVisible(false);
    EXPECT_EQ(window->Entries().size(), 2u);
    EXPECT_EQ(window->Selected(), 1);
    EXPECT_EQ(window->Entries()[1], three);
}

TEST_F(ItemChange, FreeingTheItemOfAnOpenSubmenuClosesIt)
{
    ASSERT_NE(window->ChildWindow(), nullptr);
    Free(two);
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_EQ(tracker.DeepestWindow(), window);
    EXPECT_EQ(window->Entries().size(), 2u);
    Advance(Timer::SubmenuDelay);
    QCoreApplication::processEvents();
}

TEST_F(ItemChange, FreeingTheTopItemClosesTheChain)
{
    mainMenu.Root()->Remove(&top);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_FALSE(window->isVisible());
}

// A command that keeps the menu open and checks its own entry shows the check at once.
TEST_F(ItemChange, ACommandThatKeepsTheMenuOpenShowsWhatItChanged)
{
    mainMenu.OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
    three->OnClick = [this](TObject*) { three->SetChecked(true); };
    Hover(*window, 2);
    const QImage before = window->CanvasImage().copy();
    Click(*window, 2);
    Advance(Timer::PressPause);
    ASSERT_TRUE(window->isVisible());
    EXPECT_NE(window->EntryState(2) & dsChecked, 0);
    EXPECT_NE(window->CanvasImage().copy(window->EntryRect(2)), before.copy(window->EntryRect(2)));
}

TEST_F(ItemChange, FreeingTheMenuClosesTheChain)
{
    auto menu = std::make_unique<TMainMenu2000>(nullptr);
    TMenuItem2000 own(nullptr);
    TMenuItem2000 entry(nullptr);
    entry.SetCaption(QStringLiteral("Entry"));
    own.Add(&entry);
    menu->Root()->Add(&own);
    Form* shown = tracker.Popup(popup, own, QPoint(50, 50));
    ASSERT_EQ(tracker.TopWindow(), shown);
    menu.reset();
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_FALSE(shown->isVisible());
}

TEST_F(ItemChange, FreeingTheItemOfAPopupThatBelongsToNoMenuClosesIt)
{
    auto own = std::make_unique<TMenuItem2000>(nullptr);
    TMenuItem2000 entry(nullptr);
    entry.SetCaption(QStringLiteral("Entry"));
    own->Add(&entry);
    Form* shown = tracker.Popup(popup, *own, QPoint(50, 50));
    Hover(*shown, 0);
    own.reset();
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(shown->Entries().empty());
}

// Three lists the items of a menu of their own, "A" and "B".
TEST_F(ItemChange, AnOpenSubmenuOfAnAttachedMenuFollowsThatMenu)
{
    auto attached = std::make_unique<TMainMenu2000>(nullptr);
    TMenuItem2000 a(nullptr);
    TMenuItem2000 b(nullptr);
    a.SetCaption(QStringLiteral("A"));
    b.SetCaption(QStringLiteral("B"));
    attached->Root()->Add(&a);
    attached->Root()->Add(&b);
    three->SetAttachMenu(attached.get());
    Hover(*window, 2);
    Advance(Timer::SubmenuDelay);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{&a, &b}));

    b.SetVisible(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{&a}));

    attached->Root()->Remove(&a);
    EXPECT_TRUE(child->Entries().empty());

    attached.reset();
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_FALSE(window->isVisible());
}
