#include "TOutsidePressWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool IsPress(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
           type == QEvent::NonClientAreaMouseButtonPress ||
           type == QEvent::NonClientAreaMouseButtonDblClick;
}

} // namespace

TOutsidePressWatcher::TOutsidePressWatcher(QWidget* inside)
    : m_inside(inside)
{}

void TOutsidePressWatcher::Start(std::function<void()> onOutsidePress)
{
    m_onOutsidePress = std::move(onOutsidePress);
    QCoreApplication::instance()->installEventFilter(this);
}

void TOutsidePressWatcher::Stop()
{
    QCoreApplication::instance()->removeEventFilter(this);
    m_onOutsidePress = nullptr;
}

// Presses reach the window first and then its widget; the widget tells where the press
// lands. A copy of the handler runs, so that it may stop the watcher.
bool TOutsidePressWatcher::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && IsPress(event->type()) && m_onOutsidePress && !IsInside(widget)) {
        const std::function<void()> onOutsidePress = m_onOutsidePress;
        onOutsidePress();
    }
    return false;
}

// Parents lead from a popup to the widget that opened it, across windows.
bool TOutsidePressWatcher::IsInside(const QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget())
        if (widget == m_inside)
            return true;
    return false;
}
