#pragma once

#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QWidget>

// The pointer coming onto and leaving a control, as the windowing system reports it.
inline void SendEnter(QWidget* widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
}

inline void SendLeave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}
