#include "T_AM2000_MenuInputFilter.h"

#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChain.h"
#include "T_AM2000_MenuChooser.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_MenuPointer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

T_AM2000_MenuInputFilter::T_AM2000_MenuInputFilter(const Parts& parts)
    : m_parts(parts)
{}

// Only widgets count beyond the activation: the application sees mouse and key events
// once for the window handle and once for the widget.
bool T_AM2000_MenuInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    T_AM2000_MenuChain& chain = m_parts.chain;
    if (!chain.TopWindow())
        return false;
    if (Deactivates(watched, *event)) {
        m_parts.navigator.CloseAllMenus(true);
        return false;
    }
    if (!watched->isWidgetType())
        return false;
    if (m_parts.chooser.Choosing())
        return IsUserInput(event->type());
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::Leave:
        return m_parts.pointer.Route(watched, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return m_parts.pointer.Press(watched, *static_cast<QMouseEvent*>(event));
    case QEvent::Wheel:
        m_parts.keyboard.Wheel(*chain.DeepestWindow(),
                               static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    case QEvent::KeyPress: {
        // The active edit box of an entry gets the keys the chooser hands it.
        if (chain.HoldsWidget(watched))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return m_parts.keyboard.KeyDown(*chain.DeepestWindow(), key->key(), key->modifiers(),
                                        key->text());
    }
    default:
        return false;
    }
}

// The whole application, or a window with a menu bar, losing the activation.
bool T_AM2000_MenuInputFilter::Deactivates(const QObject* watched, const QEvent& event) const
{
    if (event.type() == QEvent::ApplicationDeactivate)
        return true;
    return event.type() == QEvent::WindowDeactivate && watched->isWidgetType() &&
           m_parts.bars.HeldBy(*static_cast<const QWidget*>(watched));
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
