#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QString>
#include <QTest>
#include <sys/types.h>
#include <thread>

// Waits of the tests: each for a condition, bounded by a deadline; true when it holds.

// Handles events until condition holds or the time is up.
template <class F> bool WaitFor(F condition, int milliseconds = 10000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        QTest::qWait(5);
    }
    return true;
}

// Waits for condition without handling events (another thread makes it true).
template <class F> bool SpinFor(F condition, int milliseconds = 10000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        std::this_thread::yield();
    }
    return true;
}

// Waits until the thread of this process is asleep (state S in its kernel status), as a
// thread is while it waits for a lock, a condition or another thread.
inline bool WaitUntilAsleep(pid_t thread, int milliseconds = 10000)
{
    const QString status = QStringLiteral("/proc/self/task/%1/stat").arg(thread);
    return SpinFor(
        [&status] {
            QFile file(status);
            if (!file.open(QIODevice::ReadOnly))
                return false;
            // pid (name) state ...: the state follows the closing parenthesis of the name.
            const QByteArray line = file.readAll();
            const qsizetype nameEnd = line.lastIndexOf(')');
            return nameEnd >= 0 && line.mid(nameEnd + 2, 1) == "S";
        },
        milliseconds);
}
