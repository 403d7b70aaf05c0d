#include "T_AM2000_MenuInputFilter.h"

#include "I_AM2000_MenuBar.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuTracker.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

T_AM2000_MenuInputFilter::T_AM2000_MenuInputFilter(T_AM2000_MenuTracker& tracker)
    : m_tracker(tracker)
{}

// The whole application, or a window with a menu bar, losing the activation closes the
// menus. Otherwise only widgets count: the application sees mouse and key events once
// for the window handle and once for the widget.
bool T_AM2000_MenuInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_tracker.TopWindow())
        return false;
    if (event->type() == QEvent::ApplicationDeactivate) {
        m_tracker.CloseAllMenus(true);
        return false;
    }
    if (!watched->isWidgetType())
        return false;
    if (event->type() == QEvent::WindowDeactivate && OwnsMenuBar(*static_cast<QWidget*>(watched))) {
        m_tracker.CloseAllMenus(true);
        return false;
    }
    if (m_tracker.Choosing())
        return IsUserInput(event->type());
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::Leave:
        return ChainMouse(watched, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_tracker.InChain(watched)) {
            ChainPress(*static_cast<QMouseEvent*>(event));
            return true;
        }
        if (!InsideChainWindow(watched))
            OutsidePress(*static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::Wheel:
        m_tracker.Keyboard().Wheel(*m_tracker.DeepestWindow(),
                                   static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    case QEvent::KeyPress: {
        // The active edit box of an entry gets the keys the tracker hands it.
        if (InsideChainWindow(watched))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return m_tracker.Keyboard().KeyDown(*m_tracker.DeepestWindow(), key->key(),
                                            key->modifiers(), key->text());
    }
    default:
        return false;
    }
}

// A window holding the pressed button gets the moves and the release wherever the
// pointer is: they go to the chain window under it. That holds for a menu bar whose item
// was pressed too, so that the button dragged onto an entry and released there chooses it.
bool T_AM2000_MenuInputFilter::ChainMouse(QObject* watched, QEvent* event)
{
    // An entry's edit box handles its own mouse input.
    if (InsideChainWindow(watched))
        return false;
    // A window being hidden or freed is out of the chain's input.
    const bool fromChain =
        m_tracker.InChain(watched) && static_cast<QWidget*>(watched)->isVisible();
    if (event->type() == QEvent::Leave) {
        if (fromChain)
            m_tracker.MouseLeave(*static_cast<TCustomPopupMenu2000Form*>(watched), QCursor::pos());
        return false;
    }
    const auto& mouse = *static_cast<QMouseEvent*>(event);
    const QPoint global = mouse.globalPosition().toPoint();
    TCustomPopupMenu2000Form* window = m_tracker.WindowAt(global);
    if (!window)
        return fromChain;
    const QPoint point = global - window->geometry().topLeft();
    if (event->type() == QEvent::MouseMove)
        m_tracker.MouseMove(*window, point);
    else if (mouse.button() == Qt::LeftButton)
        m_tracker.MouseUp(*window, point);
    else if (mouse.button() == Qt::RightButton)
        m_tracker.RightMouseUp(*window, point);
    return true;
}

void T_AM2000_MenuInputFilter::ChainPress(const QMouseEvent& event)
{
    const QPoint global = event.globalPosition().toPoint();
    TCustomPopupMenu2000Form* window = m_tracker.WindowAt(global);
    if (window && event.button() == Qt::LeftButton)
        m_tracker.MouseDown(*window, global - window->geometry().topLeft());
}

// A widget of a chain window's own, such as an entry's edit box.
bool T_AM2000_MenuInputFilter::InsideChainWindow(QObject* watched) const
{
    const QWidget* widget = static_cast<QWidget*>(watched);
    return !widget->isWindow() && m_tracker.InChain(widget->window());
}

void T_AM2000_MenuInputFilter::OutsidePress(const QMouseEvent& event)
{
    if (!m_tracker.OverMenuBar(event.globalPosition().toPoint()))
        m_tracker.CloseAllMenus(true);
}

// Between the click on an entry and its command the entry stays chosen: no move, key or
// wheel changes the selection or takes the shared timer from the command.
bool T_AM2000_MenuInputFilter::IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        return true;
    default:
        return false;
    }
}

bool T_AM2000_MenuInputFilter::OwnsMenuBar(const QWidget& window) const
{
    for (I_AM2000_MenuBar* bar : m_tracker.MenuBars()) {
        const QWidget* widget = bar->BarWidget();
        if (widget && widget->window() == &window)
            return true;
    }
    return false;
}
