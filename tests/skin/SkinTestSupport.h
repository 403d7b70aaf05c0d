#pragma once

#include "TApplication.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>

// Helpers shared by the skinned window tests.
namespace skintest {

// Lets windows released with deleteLater go.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

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

} // namespace skintest
