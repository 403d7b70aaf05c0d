#include "MenuBarTestSupport.h"
#include "MenuFirstFrame.h"
#include "ScopedScreenSize.h"

#include "T_AM2000_Desktop.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_MenuAnimator.h"

#include <QDeadlineTimer>
#include <QHelpEvent>
#include <QToolTip>

namespace {

using State = T_AM2000_BarState;

class MenuBarMouse : public MenuBarTest {
protected:
    // A tooltip fades out a while after it was told to go.
    static bool TooltipGoes()
    {
        const QDeadlineTimer deadline(2000);
        while (QToolTip::isVisible() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return !QToolTip::isVisible();
    }
};

} // namespace

TEST_F(MenuBarMouse, HoveringWithoutHotTrackHighlightsButOpensNothing)
{
    for (int index : {0, 1, 2}) {
        MoveTo(index);
        EXPECT_EQ(bar->BarState(), State::bsHot);
        EXPECT_EQ(bar->CurrentIndex(), index);
        Advance(2000);
        EXPECT_EQ(OpenItem(), nullptr);
    }
}

TEST_F(MenuBarMouse, AfterOneClickMovingAcrossTheItemsSwitchesDropDownsAtOnce)
{
    Click(0);
    EXPECT_EQ(OpenItem(), file);
    EXPECT_EQ(bar->BarState(), State::bsOpen);
    MoveTo(1);
    EXPECT_EQ(OpenItem(), edit);
    EXPECT_EQ(bar->CurrentItem(), edit);
    MoveTo(2);
    EXPECT_EQ(OpenItem(), help);
    MoveTo(0);
    EXPECT_EQ(OpenItem(), file);
    // Only the one drop-down is shown.
    int shown = 0;
    for (QWidget* window : QApplication::allWidgets())
        shown += dynamic_cast<TCustomPopupMenu2000Form*>(window) && window->isVisible();
    EXPECT_EQ(shown, 1);
}

// The pointer is no keyboard: the next drop-down opens with nothing selected, over the
// snapshot taken before the first one covered the screen.
TEST_F(MenuBarMouse, SwitchingByMouseKeepsTheSnapshotAndLeavesKeyboardModeOff)
{
    menu.Options()->SetFlags({T_AM2000_Flag::mfDropShadow});
    T_AM2000_Desktop& desktop = T_AM2000_Desktop::Instance();
    int grabs = 0;
    const auto previous = desktop.SetGrabber([&grabs](const QRect& rect) {
        QImage image(rect.size(), QImage::Format_RGB32);
        image.fill(QColor::fromHsv(++grabs * 60, 255, 255));
        return image;
    });
    Click(0);
    ASSERT_NE(tracker.TopWindow(), nullptr);
    PaintFirstFrame(*tracker.TopWindow());
    // The drop-down shows at once: the screen under its shadow's two strips.
    ASSERT_EQ(desktop.Screenshots().size(), 2u);
    const QRgb beforeMenus = desktop.Screenshots().front()->Image().pixel(0, 0);
    MoveTo(1);
    ASSERT_EQ(OpenItem(), edit);
    PaintFirstFrame(*tracker.TopWindow());
    ASSERT_FALSE(desktop.Screenshots().empty());
    EXPECT_EQ(desktop.Screenshots().front()->Image().pixel(0, 0), beforeMenus);
    EXPECT_FALSE(desktop.Keep());
    EXPECT_FALSE(bar->KeyboardMode());
    EXPECT_EQ(tracker.TopWindow()->Selected(), TCustomPopupMenu2000Form::NoEntry);
    tracker.CloseAllMenus(true);
    EXPECT_TRUE(desktop.Screenshots().empty());
    desktop.SetGrabber(previous);
}

TEST_F(MenuBarMouse, APressOnTheOpenItemClosesItsDropDownAndLeavesItHighlighted)
{
    Click(1);
    ASSERT_EQ(OpenItem(), edit);
    Press(1);
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_EQ(bar->BarState(), State::bsHot);
    EXPECT_EQ(bar->CurrentItem(), edit);
}

TEST_F(MenuBarMouse, APressOnTheBarBesideItsItemsClosesTheMenus)
{
    Click(0);
    ASSERT_EQ(OpenItem(), file);
    const QRect last = bar->BarItems().Entries().back().rect;
    const QPoint beside(last.right() + 10, last.center().y());
    ASSERT_LT(beside.x(), bar->width());
    SendMouse(QEvent::MouseButtonPress, beside);
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_EQ(bar->BarState(), State::bsIdle);
}

// The bar holds the pointer from the press on: the drag and the release over an entry
// reach it, and the entry is chosen.
TEST_F(MenuBarMouse, PressingAnItemAndReleasingOverAnEntryChoosesIt)
{
    int saved = 0;
    auto* save = static_cast<TMenuItem2000*>(file->Items(1));
    save->OnClick = [&saved](TObject*) { ++saved; };
    Press(0);
    TCustomPopupMenu2000Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    const QPoint over = window->mapToGlobal(window->EntryRect(1).center());
    SendMouse(QEvent::MouseMove, bar->mapFromGlobal(over));
    EXPECT_EQ(window->Selected(), 1);
    SendMouse(QEvent::MouseButtonRelease, bar->mapFromGlobal(over));
    Advance(T_AM2000_MenuTimer::PressPause);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(OpenItem(), nullptr);
}

TEST_F(MenuBarMouse, AnyOtherButtonClosesTheMenus)
{
    Click(0);
    ASSERT_EQ(OpenItem(), file);
    Press(1, Qt::RightButton);
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_EQ(bar->BarState(), State::bsIdle);
}

TEST_F(MenuBarMouse, AnItemWithoutSubmenuIsPressedWhileHeldAndClicksOnRelease)
{
    TMenuItem2000* plain = AddItem(QStringLiteral("Plain"), menu.Root());
    int clicks = 0;
    plain->OnClick = [&clicks](TObject*) { ++clicks; };
    ASSERT_EQ(bar->BarItems().Count(), 4);
    Press(3);
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_EQ(bar->BarState(), State::bsOpen);
    EXPECT_EQ(clicks, 0);
    Release(3);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(bar->BarState(), State::bsHot);
}

TEST_F(MenuBarMouse, ADisabledItemOpensNothing)
{
    edit->SetEnabled(false);
    Click(1);
    EXPECT_EQ(OpenItem(), nullptr);
}

TEST_F(MenuBarMouse, OnPopupFiresBeforeTheDropDownOpensAndTheItemsSeeTheirMouseEvents)
{
    TMenuItem2000* announced = nullptr;
    bool openWhenAnnounced = true;
    bar->OnPopup = [&](TObject*, TMenuItem2000* item) {
        announced = item;
        openWhenAnnounced = OpenItem() != nullptr;
    };
    QPoint down(-1, -1);
    help->OnMouseDown = [&down](TObject*, TMouseButton, TShiftState, int x, int y) {
        down = QPoint(x, y);
    };
    Press(2);
    EXPECT_EQ(announced, help);
    EXPECT_FALSE(openWhenAnnounced);
    const QRect rect = bar->BarItems().Entries()[2].rect;
    EXPECT_EQ(down, Center(2) - rect.topLeft());
}

TEST_F(MenuBarMouse, TheDropDownOpensAtTheItemsLeftAndBottom)
{
    Click(1);
    ASSERT_EQ(OpenItem(), edit);
    const QRect rect = bar->BarItems().Entries()[1].rect;
    const QPoint expected = bar->mapToGlobal(QPoint(rect.x(), rect.y() + rect.height()));
    EXPECT_EQ(tracker.TopWindow()->ScreenRect().topLeft(), expected);
}

// Never a frame at full size before the animation's first: the window maps at its start
// size.
TEST_F(MenuBarMouse, AnAnimatedDropDownFirstShowsAtItsStartSize)
{
    class ShownSizes : public QObject {
    public:
        std::vector<QSize> sizes;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Show && dynamic_cast<TCustomPopupMenu2000Form*>(watched))
                sizes.push_back(static_cast<QWidget*>(watched)->size());
            return false;
        }
    } shown;
    menu.Options()->SetAnimation(T_AM2000_Animation::anVertStretch);
    QCoreApplication::instance()->installEventFilter(&shown);
    Click(0);
    QCoreApplication::instance()->removeEventFilter(&shown);
    ASSERT_NE(tracker.TopWindow(), nullptr);
    const QSize full = tracker.TopWindow()->Layout().WindowSize();
    ASSERT_EQ(shown.sizes.size(), 1u);
    EXPECT_EQ(shown.sizes[0].width(), full.width());
    EXPECT_LT(shown.sizes[0].height(), full.height());
}

TEST_F(MenuBarMouse, WithHotTrackTheHoveredItemOpensAfter200Ms)
{
    bar->SetHotTrack(true);
    MoveTo(1);
    Advance(199);
    EXPECT_EQ(OpenItem(), nullptr);
    Advance(1);
    EXPECT_EQ(OpenItem(), edit);
    EXPECT_TRUE(tracker.Pointer().HotTracking());
}

TEST_F(MenuBarMouse, WithHotTrackNothingOpensWhenThePointerHasLeftTheBar)
{
    bar->SetHotTrack(true);
    MoveTo(1);
    QCursor::setPos(bar->mapToGlobal(QPoint(0, 300)));
    Advance(200);
    EXPECT_EQ(OpenItem(), nullptr);
}

TEST_F(MenuBarMouse, WithoutHotTrackTheHighlightGoes500MsAfterThePointerLeft)
{
    MoveTo(2);
    QCursor::setPos(bar->mapToGlobal(QPoint(0, 300)));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar.get(), &leave);
    Advance(499);
    EXPECT_EQ(bar->BarState(), State::bsHot);
    Advance(1);
    EXPECT_EQ(bar->BarState(), State::bsIdle);
    EXPECT_EQ(bar->CurrentItem(), nullptr);
}

TEST_F(MenuBarMouse, TheHighlightStaysWhileThePointerRestsOnTheBar)
{
    MoveTo(2);
    Advance(500);
    EXPECT_EQ(bar->BarState(), State::bsHot);
    EXPECT_EQ(bar->CurrentItem(), help);
}

TEST_F(MenuBarMouse, HiddenItemsOfADropDownAreShownAfterTheExpandDelay)
{
    AddItem(QStringLiteral("Rarely"), file)->SetHidden(true);
    Click(0);
    TCustomPopupMenu2000Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->HiddenItemsPresent());
    EXPECT_TRUE(T_AM2000_MenuTimer::Instance().TimerPending(T_AM2000_MenuTimer::ExpandDelay,
                                                            T_AM2000_TimerCallback::tcExpand));
    Advance(1999);
    EXPECT_FALSE(window->Expanded());
    Advance(1);
    EXPECT_TRUE(window->Expanded());
    EXPECT_EQ(window->Entries().size(), 3u);
}

TEST_F(MenuBarMouse, NoExpandDelayWhenTheMenuSaysNotToShowHiddenItems)
{
    AddItem(QStringLiteral("Rarely"), file)->SetHidden(true);
    menu.Options()->SetFlags(T_AM2000_Flags{T_AM2000_Flag::mfNoAutoShowHidden});
    Click(0);
    ASSERT_NE(tracker.TopWindow(), nullptr);
    Advance(5000);
    EXPECT_FALSE(tracker.TopWindow()->Expanded());
}

TEST_F(MenuBarMouse, ChoosingAnEntryClosesTheDropDownAndReturnsTheBarToIdle)
{
    int clicks = 0;
    file->Items(1)->OnClick = [&clicks](TObject*) { ++clicks; };
    Click(0);
    TCustomPopupMenu2000Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    tracker.Chooser().ExecuteEntry(*window, *static_cast<TMenuItem2000*>(file->Items(1)));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_EQ(bar->BarState(), State::bsIdle);
}

TEST_F(MenuBarMouse, TheTooltipOverAnItemIsItsShortHint)
{
    edit->SetHint(QStringLiteral("Change the text|Cut, copy and paste"));
    const QPoint local = Center(1);
    QHelpEvent over(QEvent::ToolTip, local, bar->mapToGlobal(local));
    QCoreApplication::sendEvent(bar.get(), &over);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Change the text"));

    // "Help" says nothing itself: the stock hint of its caption shows, until its hint
    // says none.
    QHelpEvent overHelp(QEvent::ToolTip, Center(2), bar->mapToGlobal(Center(2)));
    QCoreApplication::sendEvent(bar.get(), &overHelp);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Contains commands for showing help"));
    help->SetHint(QString(QChar(1)));
    QCoreApplication::sendEvent(bar.get(), &overHelp);
    EXPECT_TRUE(TooltipGoes());

    menu.SetShowHint(false);
    QCoreApplication::sendEvent(bar.get(), &over);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(MenuBarMouse, ADropDownTallerThanTheScreenScrollsWithinIt)
{
    const ScopedScreenSize small(QSize(1000, 400));
    for (int i = 0; i < 40; ++i)
        AddItem(QStringLiteral("Entry %1").arg(i), file);
    Click(0);
    TCustomPopupMenu2000Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Scrolling());
    EXPECT_GE(window->ScreenRect().top(), 0);
    EXPECT_LE(window->ScreenRect().bottom(), 399);
    // It opens with the part it shows, not squeezes the whole menu into the window.
    const T_AM2000_MenuAnimator* animator = nullptr;
    for (const QObject* child : window->children())
        animator = animator ? animator : dynamic_cast<const T_AM2000_MenuAnimator*>(child);
    ASSERT_NE(animator, nullptr);
    EXPECT_EQ(animator->Frame(), window->ShownImage());
}
