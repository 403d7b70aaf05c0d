#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

// Where a drop-down window goes on the screen: to the right or the left of its anchor,
// below it or above its opener, and, when it fits nowhere, as a scrolling window cut to
// the screen.
class T_AM2000_WindowPlacement {
public:
    // Submenus overlap their parent window by this much.
    static constexpr int ParentOverlap = 6;

    enum class Opener {
        Submenu, // opener is the parent drop-down window
        MenuBar, // opener is the bar item
        Other,   // opener is the button, or an empty rectangle at the point of a popup
    };

    struct Request {
        // The window's corner next to its opener: its left edge when it opens to the
        // right, its right edge when it prefers the left; its top.
        QPoint anchor;
        QSize size;
        QSize screen; // the extent of the whole desktop
        Opener opener = Opener::Other;
        QRect openerRect;
        bool prefersLeft = false;      // a right-to-left menu
        bool parentOpenedLeft = false; // a submenu of a window that opened to the left
    };

    struct Placement {
        QRect bounds; // at full size; a scrolling window is cut to what fits
        bool toLeft = false;
        bool upward = false;
        bool scrolling = false;
        bool operator==(const Placement&) const = default;
    };

    static Placement Place(const Request& request);
    // The larger of the primary screen's and the virtual desktop's extents, or what the
    // installed source says.
    static QSize ScreenSize();
    using ScreenSource = std::function<QSize()>;
    // Installs a source of the screen size; returns the previous one. An empty source
    // restores the screens' extents.
    static ScreenSource SetScreenSource(ScreenSource source);

private:
    static void PlaceHorizontally(const Request& request, Placement& placement);
    static void PlaceVertically(const Request& request, Placement& placement);
    // Where a submenu opening to the left has its right edge, and where one opening to
    // the right has its left edge.
    static int LeftOfParent(const Request& request);
    static int RightOfParent(const Request& request);
};
