#include "TControlDrag.h"

#include "TControl.h"
#include "TErrorReport.h"
#include "TWinControl.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

TControlDrag* TControlDrag::s_current = nullptr;

void TControlDrag::Begin(TControl& control, bool immediate)
{
    if (s_current)
        return;
    s_current = new TControlDrag(control, QCursor::pos(), immediate);
}

TControlDrag::TControlDrag(TControl& control, QPoint start, bool started)
    : m_control(&control)
    , m_start(start)
    , m_started(started)
{
    qApp->installEventFilter(this);
}

TControlDrag::~TControlDrag()
{
    s_current = nullptr;
}

TWinControl* TControlDrag::SiteAt(TControl& control, QPoint screenPosition)
{
    for (QWidget* widget = QApplication::widgetAt(screenPosition); widget;
         widget = widget->parentWidget()) {
        auto* site = dynamic_cast<TWinControl*>(widget);
        if (site && site->DockSite() && site->CanDockClient(&control))
            return site->AcceptsDrop(&control, screenPosition) ? site : nullptr;
    }
    return nullptr;
}

bool TControlDrag::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint position = mouse->globalPosition().toPoint();
        if (!(mouse->buttons() & Qt::LeftButton))
            Finish();
        else if (!m_started &&
                 (position - m_start).manhattanLength() >= QApplication::startDragDistance())
            m_started = true;
        if (m_started)
            Over(position);
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (m_started && m_control && m_control->DragKind() == TDragKind::dkDock)
            Drop(mouse->globalPosition().toPoint());
        Finish();
        return false;
    }
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        Finish();
        return false;
    default:
        return false;
    }
}

void TControlDrag::Over(QPoint screenPosition)
{
    for (QWidget* widget = QApplication::widgetAt(screenPosition); widget && m_control;
         widget = widget->parentWidget()) {
        if (auto* target = dynamic_cast<TControl*>(widget); target && target != m_control) {
            target->DragOver(m_control);
            return;
        }
    }
}

// The release first reaches the control that had the press: the control moves once that
// is done, since moving it may free the window that the release is meant for.
void TControlDrag::Drop(QPoint screenPosition)
{
    QTimer::singleShot(0, qApp, [control = m_control, screenPosition] {
        if (!control)
            return;
        TErrorReport::Guard([&] {
            if (TWinControl* site = SiteAt(*control, screenPosition))
                control->ManualDock(site);
            else
                control->ManualFloat(QRect(screenPosition, control->size()));
        });
    });
}

// Ends the drag once the event being filtered is done with.
void TControlDrag::Finish()
{
    qApp->removeEventFilter(this);
    s_current = nullptr;
    deleteLater();
}
