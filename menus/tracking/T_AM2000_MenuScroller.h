#pragma once

#include <QPoint>
#include <QPointer>
#include <functional>

class TCustomPopupMenu2000Form;

// The left button held on the scroll bar of a drop-down window taller than the screen:
// a press on an arrow or beside the thumb scrolls at once and again while the button
// stays down, first after the scroll repeat delay, then every scroll repeat interval; a
// press on the thumb drags it, an entry per entry height moved.
class T_AM2000_MenuScroller {
public:
    // scrolled: told after the window's shown entries changed.
    explicit T_AM2000_MenuScroller(std::function<void(TCustomPopupMenu2000Form&)> scrolled);

    // zone: the scroll-bar zone code under point (window coordinates).
    void Press(TCustomPopupMenu2000Form& window, int zone, QPoint point);
    void Release();
    // The thumb of window is held: the pointer moved to point. Returns whether the move
    // was taken.
    bool Drag(TCustomPopupMenu2000Form& window, QPoint point);
    bool Holding() const { return m_window != nullptr; }

private:
    void StartRepeat(int interval);
    void Repeat();
    bool Scrolled(bool moved);

    std::function<void(TCustomPopupMenu2000Form&)> m_scrolled;
    QPointer<TCustomPopupMenu2000Form> m_window;
    int m_zone = 0;
    QPoint m_dragStart;
    int m_dragFirst = 0;
};
