#include "MenuTrackingTestSupport.h"
#include "ScopedScreenSize.h"
#include "TCustomPopupMenu2000Form.h"
#include "TPopupMenu.h"
#include "TWindowPlace.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuOptions.h"

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

// "Open" has a context menu of two animated entries and one platform entry, "Plain" has
// none; the screen is 400 x 300 pixels and the menus open without animation.
class ContextMenu : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        popup.Options()->SetAnimation(T_AM2000_Animation::anNone);
        open = Add(QStringLiteral("Open"));
        Add(QStringLiteral("Plain"));
        rename = AddTo(context, QStringLiteral("Rename"));
        remove = AddTo(context, QStringLiteral("Remove"));
        platformEntry.SetCaption(QStringLiteral("Platform"));
        context.Add(&platformEntry);
        open->SetPopupMenu(&context);
        window = Open();
    }
    // The right button released over entry index of the top window, at offset from the
    // entry's top-left corner; returns the screen point.
    QPoint RightClick(int index, QPoint offset = QPoint(5, 3))
    {
        const QPoint point = window->EntryRect(index).topLeft() + offset;
        tracker.Pointer().RightMouseUp(*window, point);
        return window->ScreenRect().topLeft() + point;
    }

    ScopedScreenSize screenSize{QSize(400, 300)};
    TPopupMenu context{nullptr};
    TMenuItem platformEntry{nullptr};
    TMenuItem2000* open = nullptr;
    TMenuItem2000* rename = nullptr;
    TMenuItem2000* remove = nullptr;
    Form* window = nullptr;
};

} // namespace

TEST_F(ContextMenu, OpensAtThePointerAsAFurtherWindowOfTheChain)
{
    int asked = 0;
    mainMenu.OnContextMenu = [&asked](TObject*) { ++asked; };
    const QPoint cursor = RightClick(0);
    EXPECT_EQ(asked, 1);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->ListedContents(), Form::Contents::ContextMenu);
    EXPECT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{rename, remove}));
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(child->ScreenRect().topLeft(), cursor);
    EXPECT_EQ(tracker.DeepestWindow(), child);
    EXPECT_EQ(window->Selected(), 0);
}

TEST_F(ContextMenu, AnEntryWithoutOneOrWithOnlyPlatformItemsOpensNothing)
{
    RightClick(1);
    EXPECT_EQ(window->ChildWindow(), nullptr);
    context.Remove(rename);
    context.Remove(remove);
    RightClick(0);
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ContextMenu, AHandlerThatClosesTheMenusLeavesItClosed)
{
    mainMenu.OnContextMenu = [this](TObject*) { tracker.CloseAllMenus(true); };
    RightClick(0);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(window->ChildWindow(), nullptr);
}

TEST_F(ContextMenu, AHandlerThatFreesTheEntryOpensNothing)
{
    mainMenu.OnContextMenu = [this](TObject*) { Free(open); };
    RightClick(0);
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Entries().size(), 1u);
}

TEST_F(ContextMenu, ChoosingAnEntryRunsItsClickAndClosesTheWholeChain)
{
    int renamed = 0;
    rename->OnClick = [&renamed](TObject*) { ++renamed; };
    RightClick(0);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    Click(*child, 0);
    Advance(Timer::PressPause);
    EXPECT_EQ(renamed, 1);
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ContextMenu, EscapeClosesOnlyTheContextMenu)
{
    RightClick(0);
    ASSERT_NE(window->ChildWindow(), nullptr);
    EXPECT_TRUE(
        tracker.Keyboard().KeyDown(*tracker.DeepestWindow(), Qt::Key_Escape, Qt::NoModifier, {}));
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tracker.DeepestWindow(), window);
}

TEST_F(ContextMenu, HoveringAnotherEntryClosesItAfterTheSubmenuDelay)
{
    RightClick(0);
    Hover(*window, 1);
    Advance(Timer::SubmenuDelay - 1);
    EXPECT_NE(window->ChildWindow(), nullptr);
    Advance(1);
    EXPECT_EQ(window->ChildWindow(), nullptr);
    EXPECT_EQ(window->Selected(), 1);
}

TEST_F(ContextMenu, WhereTheScreenEndsItOpensAboveThePointerAndInsideTheScreen)
{
    TWindowPlace::Set(*window, QRect(QPoint(350, 270), window->size()));
    const QPoint cursor = RightClick(0);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->ScreenRect().bottom() + 1, cursor.y());
    EXPECT_EQ(child->ScreenRect().right() + 1, 400);
    EXPECT_TRUE(child->OpensUpward());
}

TEST_F(ContextMenu, AnimatesAsTheWindowAnimatesItsSubmenus)
{
    const auto previousSettings = AnimateMenus();
    popup.Options()->SetAnimation(T_AM2000_Animation::anStretch);
    RightClick(0);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    auto* animator = ChildOfType<T_AM2000_MenuAnimator>(*child);
    ASSERT_NE(animator, nullptr);
    EXPECT_EQ(animator->OpenedWith(), T_AM2000_Animation::anHorzStretch);
    T_AM2000_SystemSettings::SetSource(previousSettings);
}

TEST_F(ContextMenu, AFreedEntryLeavesItAtOnce)
{
    RightClick(0);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    Hover(*child, 1);
    Free(remove);
    EXPECT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{rename}));
    EXPECT_EQ(child->Selected(), Form::NoEntry);
    EXPECT_EQ(window->ChildWindow(), child);
    // The pointer where the entry was reads nothing freed.
    tracker.Pointer().MouseMove(*child, QPoint(child->width() / 2, child->height() - 2));
    Hover(*child, 0);
    EXPECT_EQ(child->Selected(), 0);
}

TEST_F(ContextMenu, FreeingTheEntryOfAnOpenSubmenuClosesThatSubmenu)
{
    Add(QStringLiteral("New name"), rename);
    RightClick(0);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    Hover(*child, 0);
    Advance(Timer::SubmenuDelay);
    ASSERT_NE(child->ChildWindow(), nullptr);
    Free(rename);
    EXPECT_EQ(child->ChildWindow(), nullptr);
    EXPECT_EQ(tracker.DeepestWindow(), child);
    EXPECT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{remove}));
}

// The platform's popup menu tells of its items' changes, so an open context menu follows
// them as a submenu follows its menu.
TEST_F(ContextMenu, AnOpenContextMenuFollowsTheChangesOfItsItems)
{
    RightClick(0);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    const int width = child->width();
    rename->SetCaption(QStringLiteral("Rename the picture and every copy of it"));
    QCoreApplication::processEvents();
    EXPECT_GT(child->width(), width) << "laid out again for the longer caption";

    TMenuItem2000* added = AddTo(context, QStringLiteral("Added"));
    EXPECT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{rename, remove, added}));
    remove->SetVisible(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{rename, added}));
    context.Remove(rename);
    EXPECT_EQ(child->Entries(), (std::vector<TMenuItem2000*>{added}));
    EXPECT_EQ(window->ChildWindow(), child) << "the context menu stays open";
}

TEST_F(ContextMenu, FreeingTheOpenContextMenuClosesTheMenus)
{
    auto own = std::make_unique<TPopupMenu>(nullptr);
    AddTo(*own, QStringLiteral("Only"));
    open->SetPopupMenu(own.get());
    RightClick(0);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    own.reset();
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::processEvents();
}
