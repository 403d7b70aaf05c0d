#pragma once

#include <QCoreApplication>
#include <QThread>
#include <functional>

// The interface thread: the thread of the application object, which runs the event
// loop and owns every widget.

inline bool OnInterfaceThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

// Queues work for the interface thread's event loop; without an application there is
// no such loop and the work is dropped.
inline void PostToInterfaceThread(std::function<void()> work)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, std::move(work), Qt::QueuedConnection);
}
