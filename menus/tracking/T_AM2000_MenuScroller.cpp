#include "T_AM2000_MenuScroller.h"

#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_ScrollView.h"

#include <algorithm>

using Timer = T_AM2000_MenuTimer;

T_AM2000_MenuScroller::T_AM2000_MenuScroller(
    std::function<void(TCustomPopupMenu2000Form&)> scrolled)
    : m_scrolled(std::move(scrolled))
{}

void T_AM2000_MenuScroller::Press(TCustomPopupMenu2000Form& window, int zone, QPoint point)
{
    Release();
    if (!window.ScrollView())
        return;
    m_window = &window;
    m_zone = zone;
    if (zone == T_AM2000_ScrollView::Thumb) {
        m_dragStart = point;
        m_dragFirst = window.FirstShown();
        return;
    }
    if (Scrolled(window.Scroll(zone)))
        StartRepeat(Timer::ScrollRepeatDelay);
}

void T_AM2000_MenuScroller::Release()
{
    if (Timer::Instance().TimerPending(Timer::ScrollRepeatDelay,
                                       T_AM2000_TimerCallback::tcScroll) ||
        Timer::Instance().TimerPending(Timer::ScrollRepeatInterval,
                                       T_AM2000_TimerCallback::tcScroll))
        Timer::Instance().Stop();
    m_window = nullptr;
}

bool T_AM2000_MenuScroller::Drag(TCustomPopupMenu2000Form& window, QPoint point)
{
    if (m_window != &window || m_zone != T_AM2000_ScrollView::Thumb || !window.ScrollView())
        return false;
    const int lineHeight = std::max(window.ScrollView()->LineHeight(), 1);
    Scrolled(window.ScrollTo(m_dragFirst + (point.y() - m_dragStart.y()) / lineHeight));
    return true;
}

void T_AM2000_MenuScroller::StartRepeat(int interval)
{
    Timer::Instance().Start(interval, T_AM2000_TimerCallback::tcScroll, m_window,
                            [this] { Repeat(); });
}

// The repeat ends where the entries stop moving.
void T_AM2000_MenuScroller::Repeat()
{
    if (m_window && Scrolled(m_window->Scroll(m_zone)))
        StartRepeat(Timer::ScrollRepeatInterval);
}

bool T_AM2000_MenuScroller::Scrolled(bool moved)
{
    if (moved && m_scrolled)
        m_scrolled(*m_window);
    return moved;
}
