#include "TWindowTracker.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void TWindowTracker::StartMove(QWidget* window)
{
    if (QWindow* handle = window->windowHandle(); handle && handle->startSystemMove())
        return;
    Track(window, {});
}

void TWindowTracker::StartResize(QWidget* window, Qt::Edges edges)
{
    if (QWindow* handle = window->windowHandle(); handle && handle->startSystemResize(edges))
        return;
    Track(window, edges);
}

void TWindowTracker::Track(QWidget* window, Qt::Edges edges)
{
    auto* tracker = new TWindowTracker(window, edges);
    qApp->installEventFilter(tracker);
}

TWindowTracker::TWindowTracker(QWidget* window, Qt::Edges edges)
    : QObject(window)
    , m_window(window)
    , m_edges(edges)
    , m_start(QCursor::pos())
    , m_startGeometry(window->geometry())
{}

bool TWindowTracker::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_window->setGeometry(TrackedGeometry(mouse->globalPosition().toPoint()));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        deleteLater();
        qApp->removeEventFilter(this);
    }
    return false;
}

// The window's geometry with the pointer at pointer: moved by the pointer's travel, or
// with the tracked edges following it, never below the window's minimum size.
QRect TWindowTracker::TrackedGeometry(QPoint pointer) const
{
    const QPoint travel = pointer - m_start;
    if (!m_edges)
        return m_startGeometry.translated(travel);
    const QSize minimum = m_window->minimumSize();
    int left = m_startGeometry.left();
    int top = m_startGeometry.top();
    int right = m_startGeometry.x() + m_startGeometry.width();
    int bottom = m_startGeometry.y() + m_startGeometry.height();
    if (m_edges & Qt::LeftEdge)
        left = std::min(left + travel.x(), right - minimum.width());
    if (m_edges & Qt::RightEdge)
        right = std::max(right + travel.x(), left + minimum.width());
    if (m_edges & Qt::TopEdge)
        top = std::min(top + travel.y(), bottom - minimum.height());
    if (m_edges & Qt::BottomEdge)
        bottom = std::max(bottom + travel.y(), top + minimum.height());
    return QRect(left, top, right - left, bottom - top);
}
