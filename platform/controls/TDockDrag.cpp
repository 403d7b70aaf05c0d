#include "TDockDrag.h"

#include "TControl.h"
#include "TErrorReport.h"
#include "TWinControl.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

TDockDrag* TDockDrag::s_current = nullptr;

void TDockDrag::Begin(TControl& control, bool immediate)
{
    if (s_current)
        return;
    s_current = new TDockDrag(control, QCursor::pos(), immediate);
}

TDockDrag::TDockDrag(TControl& control, QPoint start, bool started)
    : m_control(&control)
    , m_start(start)
    , m_started(started)
{
    qApp->installEventFilter(this);
}

TDockDrag::~TDockDrag()
{
    s_current = nullptr;
}

TWinControl* TDockDrag::SiteAt(const TControl& control, QPoint screenPosition)
{
    for (QWidget* widget = QApplication::widgetAt(screenPosition); widget;
         widget = widget->parentWidget()) {
        auto* site = dynamic_cast<TWinControl*>(widget);
        if (site && site->DockSite() && site->CanDockClient(&control))
            return site;
    }
    return nullptr;
}

bool TDockDrag::eventFilter(QObject*, QEvent* event)
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
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (m_started)
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

// The release first reaches the control that had the press: the control moves once that
// is done, since moving it may free the window that the release is meant for.
void TDockDrag::Drop(QPoint screenPosition)
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
void TDockDrag::Finish()
{
    qApp->removeEventFilter(this);
    s_current = nullptr;
    deleteLater();
}
