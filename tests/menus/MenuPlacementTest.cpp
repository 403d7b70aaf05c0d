#include "T_AM2000_WindowPlacement.h"

#include <gtest/gtest.h>

using Opener = T_AM2000_WindowPlacement::Opener;
using Placement = T_AM2000_WindowPlacement::Placement;
using Request = T_AM2000_WindowPlacement::Request;

namespace {

const QSize screen(1024, 768);

Request Submenu(QPoint anchor, QSize size, QRect parent)
{
    return Request{anchor, size, screen, Opener::Submenu, parent};
}

Request BarDropDown(QRect item, QSize size)
{
    return Request{item.bottomLeft() + QPoint(0, 1), size, screen, Opener::MenuBar, item};
}

Placement Place(const Request& request)
{
    return T_AM2000_WindowPlacement::Place(request);
}

} // namespace

TEST(MenuPlacement, AWindowThatFitsOpensRightAndDownAtItsAnchor)
{
    const auto placement = Place(BarDropDown(QRect(100, 0, 40, 19), QSize(200, 300)));
    EXPECT_EQ(placement, (Placement{QRect(100, 19, 200, 300)}));
}

TEST(MenuPlacement, PassingTheRightEdge)
{
    // A drop-down moves left to end at the screen edge.
    EXPECT_EQ(Place(BarDropDown(QRect(900, 0, 40, 19), QSize(200, 100))).bounds,
              QRect(824, 19, 200, 100));
    // A submenu opens to the left of its parent, overlapping it by 6.
    const auto submenu =
        Place(Submenu(QPoint(945, 120), QSize(200, 100), QRect(800, 100, 150, 200)));
    EXPECT_EQ(submenu.bounds, QRect(606, 120, 200, 100));
    EXPECT_TRUE(submenu.toLeft);
    // Wider than the screen: left stays at 0.
    EXPECT_EQ(Place(BarDropDown(QRect(10, 0, 40, 19), QSize(1200, 100))).bounds.left(), 0);
    EXPECT_EQ(Place(Submenu(QPoint(1000, 0), QSize(300, 50), QRect(50, 0, 955, 40))).bounds.left(),
              0);
}

TEST(MenuPlacement, SubmenusOfALeftOpeningWindowKeepGoingLeftWhileTheyFit)
{
    auto request = Submenu(QPoint(445, 120), QSize(200, 100), QRect(300, 100, 150, 200));
    request.parentOpenedLeft = true;
    const auto left = Place(request);
    EXPECT_EQ(left.bounds.left(), 106);
    EXPECT_TRUE(left.toLeft);
    request.size = QSize(400, 100);
    const auto right = Place(request);
    EXPECT_EQ(right.bounds.left(), 445);
    EXPECT_FALSE(right.toLeft);
}

TEST(MenuPlacement, RightToLeftMenusOpenLeftUnlessThereIsNoRoom)
{
    auto request = Submenu(QPoint(500, 10), QSize(200, 50), QRect(495, 0, 120, 80));
    request.prefersLeft = true;
    EXPECT_EQ(Place(request), (Placement{QRect(300, 10, 200, 50), true}));
    // No room on the left: a submenu goes right of its parent, a drop-down to its anchor.
    request.anchor = QPoint(150, 10);
    request.openerRect = QRect(100, 0, 60, 80);
    EXPECT_EQ(Place(request), (Placement{QRect(154, 10, 200, 50), false}));
    request.opener = Opener::Other;
    EXPECT_EQ(Place(request).bounds.left(), 150);
}

TEST(MenuPlacement, PassingTheScreenBottom)
{
    // A submenu moves up to end at the bottom; one higher than the screen scrolls.
    EXPECT_EQ(Place(Submenu(QPoint(300, 600), QSize(100, 300), QRect(100, 500, 205, 300))).bounds,
              QRect(300, 468, 100, 300));
    EXPECT_EQ(Place(Submenu(QPoint(300, 600), QSize(100, 900), QRect(100, 500, 205, 300))),
              (Placement{QRect(300, 0, 100, 768), false, false, true}));
}

TEST(MenuPlacement, ABarDropDownThatFitsAboveOpensUpwardFromTheItemTop)
{
    const auto placement = Place(BarDropDown(QRect(100, 700, 40, 19), QSize(200, 300)));
    EXPECT_EQ(placement, (Placement{QRect(100, 399, 200, 300), false, true}));
}

TEST(MenuPlacement, AButtonDropDownOpensUpwardAboveTheButton)
{
    const QRect button(100, 600, 80, 24);
    const Request request{QPoint(100, 624), QSize(150, 300), screen, Opener::Other, button};
    EXPECT_EQ(Place(request), (Placement{QRect(100, 300, 150, 300), false, true}));
}

TEST(MenuPlacement, ADropDownThatFitsNeitherWayScrollsBelowItsAnchor)
{
    const auto placement = Place(BarDropDown(QRect(100, 200, 40, 19), QSize(200, 700)));
    EXPECT_EQ(placement, (Placement{QRect(100, 219, 200, 549), false, false, true}));
}

TEST(MenuPlacement, TopIsNeverAboveTheScreen)
{
    const Request request{QPoint(10, -50), QSize(100, 100), screen, Opener::Other,
                          QRect(10, -50, 0, 0)};
    EXPECT_EQ(Place(request).bounds, QRect(10, 0, 100, 100));
}
