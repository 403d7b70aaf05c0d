#pragma once

#include <QPoint>
#include <memory>

class QEvent;
class QMouseEvent;
class QObject;
class TCustomPopupMenu2000Form;
class T_AM2000_MenuBarList;
class T_AM2000_MenuChain;
class T_AM2000_MenuChooser;
class T_AM2000_MenuNavigator;
class T_AM2000_MenuScroller;

// The pointer over the open chain: mouse input of the program goes to the chain window
// under the pointer, where the entry or zone hit decides what happens (selecting and
// opening submenus as it moves, scrolling, choosing on release, context menus on the
// right button). A press outside every menu and menu bar closes the chain.
class T_AM2000_MenuPointer {
public:
    T_AM2000_MenuPointer(T_AM2000_MenuChain& chain, T_AM2000_MenuNavigator& navigator,
                         T_AM2000_MenuChooser& chooser, T_AM2000_MenuBarList& bars);
    ~T_AM2000_MenuPointer();

    // A move, release or leave that a widget of the program received; returns whether
    // the chain took it.
    bool Route(QObject* watched, QEvent* event);
    // A press or double click that a widget of the program received; returns whether the
    // chain took it.
    bool Press(QObject* watched, const QMouseEvent& event);

    // Mouse input in window coordinates.
    void MouseMove(TCustomPopupMenu2000Form& window, QPoint point);
    // The left button went down: on the scroll bar of a scrolling window it scrolls.
    void MouseDown(TCustomPopupMenu2000Form& window, QPoint point);
    // screenPoint: where the pointer went.
    void MouseLeave(TCustomPopupMenu2000Form& window, QPoint screenPoint);
    void MouseUp(TCustomPopupMenu2000Form& window, QPoint point);
    // The right button over an entry asks its main menu for a context menu, and opens the
    // entry's own context menu at the pointer as a further window of the chain.
    void RightMouseUp(TCustomPopupMenu2000Form& window, QPoint point);

    // The open chain closes a while after the pointer left it for somewhere outside all
    // menus (a menu bar's drop-downs opened by hovering). Off for every new chain.
    void SetHotTracking(bool hotTracking) { m_hotTracking = hotTracking; }
    bool HotTracking() const { return m_hotTracking; }

private:
    void ReselectOpener(TCustomPopupMenu2000Form& window);
    void StopLeaveTimer();

    T_AM2000_MenuChain& m_chain;
    T_AM2000_MenuNavigator& m_navigator;
    T_AM2000_MenuChooser& m_chooser;
    T_AM2000_MenuBarList& m_bars;
    std::unique_ptr<T_AM2000_MenuScroller> m_scroller;
    bool m_hotTracking = false;
};
