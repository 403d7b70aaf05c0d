#include "T_AM2000_WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace {

T_AM2000_WindowPlacement::ScreenSource& InstalledScreenSource()
{
    static T_AM2000_WindowPlacement::ScreenSource source;
    return source;
}

} // namespace

T_AM2000_WindowPlacement::Placement T_AM2000_WindowPlacement::Place(const Request& request)
{
    Placement placement;
    placement.bounds = QRect(request.anchor, request.size);
    PlaceHorizontally(request, placement);
    PlaceVertically(request, placement);
    return placement;
}

void T_AM2000_WindowPlacement::PlaceHorizontally(const Request& request, Placement& placement)
{
    const int width = request.size.width();
    const bool submenu = request.opener == Opener::Submenu;
    int left = request.anchor.x();
    if (request.prefersLeft) {
        placement.toLeft = request.anchor.x() - width >= 0;
        if (placement.toLeft)
            left = request.anchor.x() - width;
        else if (submenu)
            left = RightOfParent(request);
    } else if (submenu && request.parentOpenedLeft && LeftOfParent(request) - width >= 0) {
        placement.toLeft = true;
        left = LeftOfParent(request) - width;
    } else if (left + width > request.screen.width()) {
        placement.toLeft = submenu;
        left = submenu ? LeftOfParent(request) - width : request.screen.width() - width;
    }
    placement.bounds.moveLeft(std::max(left, 0));
}

void T_AM2000_WindowPlacement::PlaceVertically(const Request& request, Placement& placement)
{
    const int height = request.size.height();
    const int screenHeight = request.screen.height();
    int top = request.anchor.y();
    if (top + height > screenHeight) {
        if (request.opener == Opener::Submenu) {
            placement.scrolling = height > screenHeight;
            top = placement.scrolling ? 0 : screenHeight - height;
            placement.bounds.setHeight(std::min(height, screenHeight));
        } else {
            const int above = request.openerRect.top() - (request.opener == Opener::MenuBar);
            placement.upward = above - height >= 0;
            placement.scrolling = !placement.upward;
            if (placement.upward)
                top = above - height;
            else
                placement.bounds.setHeight(std::max(screenHeight - top, 0));
        }
    }
    placement.bounds.moveTop(std::max(top, 0));
}

int T_AM2000_WindowPlacement::LeftOfParent(const Request& request)
{
    return request.openerRect.left() + ParentOverlap;
}

int T_AM2000_WindowPlacement::RightOfParent(const Request& request)
{
    return request.openerRect.x() + request.openerRect.width() - ParentOverlap;
}

QSize T_AM2000_WindowPlacement::ScreenSize()
{
    if (const ScreenSource& source = InstalledScreenSource())
        return source();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->size().expandedTo(screen->virtualSize());
}

T_AM2000_WindowPlacement::ScreenSource
T_AM2000_WindowPlacement::SetScreenSource(ScreenSource source)
{
    return std::exchange(InstalledScreenSource(), std::move(source));
}
