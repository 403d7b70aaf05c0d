#include "MenuFirstFrame.h"
#include "MenuTrackingTestSupport.h"
#include "ScopedScreenSize.h"
#include "TCustomPopupMenu2000Form.h"
#include "TWindowPlace.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_DropDownPlacement.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_ScrollView.h"
#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_WindowPlacement.h"

#include <cmath>

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

int Right(const Form& window)
{
    return window.ScreenRect().x() + window.width();
}

// Submenus on a small screen of 400 x 300 pixels: "Deep" holds a submenu that holds
// another, "Tall" holds more entries than the screen has room for.
class SubmenuPlacement : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        previousSettings = T_AM2000_SystemSettings::SetSource([this] { return settings; });
        popup.Options()->SetAnimation(T_AM2000_Animation::anNone);
        deep = Add(QStringLiteral("Deep"));
        TMenuItem2000* inner = Add(QStringLiteral("Inner"), deep);
        Add(QStringLiteral("Innermost"), inner);
        Add(QStringLiteral("Second inner"), deep);
        tall = Add(QStringLiteral("Tall"));
        for (int i = 0; i < 40; ++i)
            Add(QStringLiteral("Entry %1").arg(i), tall);
    }
    void TearDown() override
    {
        MenuTracking::TearDown();
        T_AM2000_SystemSettings::SetSource(previousSettings);
    }
    Form* OpenSubmenuAt(QPoint position, int entry)
    {
        window = tracker.Popup(popup, top, position);
        return OpenFrom(*window, entry);
    }
    Form* OpenFrom(Form& parent, int entry)
    {
        Hover(parent, entry);
        Advance(Timer::SubmenuDelay);
        return parent.ChildWindow();
    }
    // Placing the drop-down of a bar item at item, 40 x 19, on this screen.
    T_AM2000_WindowPlacement::Request BarItemRequest(QPoint item) const
    {
        T_AM2000_WindowPlacement::Request request;
        request.openerRect = QRect(item, QSize(40, 19));
        request.anchor = request.openerRect.bottomLeft() + QPoint(0, 1);
        request.screen = screen;
        request.opener = T_AM2000_WindowPlacement::Opener::MenuBar;
        return request;
    }

    QSize screen{400, 300};
    ScopedScreenSize screenSize{[this] { return screen; }};
    T_AM2000_SystemSettings settings;
    TMenuItem2000* deep = nullptr;
    TMenuItem2000* tall = nullptr;
    Form* window = nullptr;

private:
    T_AM2000_SystemSettings::Source previousSettings;
};

} // namespace

TEST_F(SubmenuPlacement, ASubmenuThatFitsOpensRightOverlappingItsParent)
{
    Form* child = OpenSubmenuAt(QPoint(20, 20), 0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->ScreenRect().x(), Right(*window) - 5);
    EXPECT_FALSE(child->OpensLeft());
    EXPECT_FALSE(child->Scrolling());
}

TEST_F(SubmenuPlacement, PastTheRightEdgeASubmenuOpensLeftAndItsSubmenusFollow)
{
    Form* child = OpenSubmenuAt(QPoint(400 - 120, 20), 0);
    ASSERT_NE(child, nullptr);
    ASSERT_GT(Right(*window) - 5 + child->width(), 400);
    EXPECT_TRUE(child->OpensLeft());
    EXPECT_EQ(Right(*child), window->ScreenRect().x() + 6);
    // The submenu's submenu would fit right of it, but keeps going left.
    Form* grandchild = OpenFrom(*child, 0);
    ASSERT_NE(grandchild, nullptr);
    ASSERT_LE(Right(*child) - 5 + grandchild->width(), 400);
    EXPECT_TRUE(grandchild->OpensLeft());
    EXPECT_EQ(Right(*grandchild), child->ScreenRect().x() + 6);
}

TEST_F(SubmenuPlacement, ALeftOpeningSubmenuNeverStartsLeftOfTheScreen)
{
    screen = QSize(150, 300);
    Form* child = OpenSubmenuAt(QPoint(10, 20), 0);
    ASSERT_NE(child, nullptr);
    ASSERT_LT(window->ScreenRect().x() + 6 - child->width(), 0);
    EXPECT_EQ(child->ScreenRect().x(), 0);
}

TEST_F(SubmenuPlacement, NearTheBottomASubmenuMovesUpToEndThere)
{
    Form* child = OpenSubmenuAt(QPoint(20, 280), 0);
    ASSERT_NE(child, nullptr);
    const QSize full = child->Layout().WindowSize();
    EXPECT_EQ(child->ScreenRect(),
              QRect(Right(*window) - 5, 300 - full.height(), full.width(), full.height()));
    EXPECT_FALSE(child->OpensUpward());
    EXPECT_FALSE(child->Scrolling());
}

TEST_F(SubmenuPlacement, ASubmenuHigherThanTheScreenScrollsWithinIt)
{
    Form* child = OpenSubmenuAt(QPoint(20, 120), 1);
    ASSERT_NE(child, nullptr);
    ASSERT_GT(child->Layout().WindowSize().height(), 300);
    EXPECT_TRUE(child->Scrolling());
    EXPECT_EQ(child->ScreenRect().y(), 0);
    EXPECT_EQ(child->height(), 300);
    EXPECT_EQ(child->width(),
              child->Layout().WindowSize().width() + T_AM2000_ScrollView::SystemBarWidth() + 5);
    EXPECT_EQ(child->FirstShown(), 0);
    EXPECT_LT(child->LastShown(), int(child->Entries().size()) - 1);
    EXPECT_LE(child->ShownEntryRect(child->LastShown()).bottom(), 300);
}

TEST_F(SubmenuPlacement, WithDropShadowsASubmenuGetsOneThatFollowsIt)
{
    popup.Options()->SetFlags({T_AM2000_Flag::mfDropShadow});
    Form* child = OpenSubmenuAt(QPoint(20, 250), 0);
    ASSERT_NE(child, nullptr);
    PaintFirstFrame(*child);
    auto* shadow = ShadowOf(*child);
    ASSERT_NE(shadow, nullptr);
    EXPECT_TRUE(shadow->isVisible());
    EXPECT_EQ(TWindowPlace::Of(*shadow), child->ScreenRect().translated(4, 4));
    tracker.Navigator().CloseWindow(*child);
    EXPECT_FALSE(shadow->isVisible());
}

TEST_F(SubmenuPlacement, TheDesktopsShadowSettingCountsOnlyForMenusThatFollowIt)
{
    mainMenu.SetSystemShadow(true);
    settings.menuDropShadow = false;
    Form* child = OpenSubmenuAt(QPoint(20, 20), 0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(ShadowOf(*child), nullptr);
    tracker.CloseAllMenus(false);

    settings.menuDropShadow = true;
    child = OpenSubmenuAt(QPoint(20, 20), 0);
    ASSERT_NE(child, nullptr);
    EXPECT_NE(ShadowOf(*child), nullptr);
    tracker.CloseAllMenus(false);

    mainMenu.SetSystemShadow(false);
    child = OpenSubmenuAt(QPoint(20, 20), 0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(ShadowOf(*child), nullptr);
}

TEST_F(SubmenuPlacement, ATranslucentScrollingSubmenuShowsWhereItScrolledTo)
{
    T_AM2000_Desktop& desktop = T_AM2000_Desktop::Instance();
    const auto previousGrabber = desktop.SetGrabber([](const QRect& rect) {
        QImage black(rect.size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    });
    popup.Options()->SetOpacity(50);
    Form* child = OpenSubmenuAt(QPoint(20, 120), 1);
    ASSERT_TRUE(child && child->Scrolling());
    auto* animator = ChildOfType<T_AM2000_MenuAnimator>(*child);
    ASSERT_NE(animator, nullptr);
    const QImage before = animator->Frame();
    tracker.Pointer().MouseDown(
        *child, child->ScrollView()->ZoneRect(T_AM2000_ScrollView::PageDown).center());
    tracker.Pointer().MouseUp(*child, QPoint(0, 0));
    ASSERT_GT(child->FirstShown(), 0);
    // Over black at 50 %: round(value / 2) of what the window shows now.
    const QImage shown = child->ShownImage();
    const QImage frame = animator->Frame();
    const QPoint thumbEnd = child->ScrollView()->ZoneRect(T_AM2000_ScrollView::Thumb).bottomRight();
    const QPoint entry = child->ShownEntryRect(child->FirstShown()).topLeft() + QPoint(30, 8);
    for (const QPoint point : {thumbEnd, entry}) {
        const QRgb value = shown.pixel(point);
        const auto half = [](int channel) { return int(std::nearbyint(channel / 2.0)); };
        EXPECT_EQ(frame.pixel(point),
                  qRgb(half(qRed(value)), half(qGreen(value)), half(qBlue(value))));
    }
    EXPECT_NE(frame.pixel(thumbEnd), before.pixel(thumbEnd));
    tracker.CloseAllMenus(false);
    desktop.SetGrabber(previousGrabber);
}

TEST_F(SubmenuPlacement, ABarDropDownThatFitsNeitherBelowNorAboveScrollsBelowItsItem)
{
    Form* dropDown = tracker.Popup(popup, *tall, QPoint(10, 119));
    const auto placement =
        T_AM2000_DropDownPlacement::Fit(*dropDown, BarItemRequest(QPoint(10, 100)));
    EXPECT_TRUE(placement.scrolling);
    EXPECT_FALSE(placement.upward);
    EXPECT_TRUE(dropDown->Scrolling());
    EXPECT_EQ(dropDown->height(), 300 - 119);
    EXPECT_EQ(placement.bounds, QRect(QPoint(10, 119), dropDown->size()));
}

TEST_F(SubmenuPlacement, ABarDropDownThatFitsAboveOpensUpwardAndRemembersIt)
{
    Form* dropDown = tracker.Popup(popup, *deep, QPoint(10, 281));
    const auto placement =
        T_AM2000_DropDownPlacement::Fit(*dropDown, BarItemRequest(QPoint(10, 262)));
    EXPECT_TRUE(placement.upward);
    EXPECT_TRUE(dropDown->OpensUpward());
    EXPECT_FALSE(dropDown->Scrolling());
    EXPECT_EQ(placement.bounds.bottom(), 262 - 1 - 1);
}
