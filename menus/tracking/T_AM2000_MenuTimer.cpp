#include "T_AM2000_MenuTimer.h"

#include "TTickCount.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// A poll that finds the timer not yet due (the tick count runs slower than the
// machine's, as in tests) looks again after this long.
constexpr qint64 RepollInterval = 10; // ms

} // namespace

// Belongs to the application, so that it goes with it at exit.
T_AM2000_MenuTimer& T_AM2000_MenuTimer::Instance()
{
    static QPointer<T_AM2000_MenuTimer> instance;
    if (!instance) {
        instance = new T_AM2000_MenuTimer();
        instance->setParent(QCoreApplication::instance());
    }
    return *instance;
}

T_AM2000_MenuTimer::T_AM2000_MenuTimer()
{
    m_poll.setSingleShot(true);
    m_poll.setTimerType(Qt::PreciseTimer);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        if (!Poll() && Running())
            ArmPoll();
    });
}

void T_AM2000_MenuTimer::Start(int interval, T_AM2000_TimerCallback callback, QObject* object,
                               std::function<void()> run)
{
    Stop();
    m_interval = interval;
    m_due = TTickCount::Now() + interval;
    m_callback = callback;
    m_object = object;
    m_run = std::move(run);
    ArmPoll();
}

void T_AM2000_MenuTimer::Stop()
{
    m_poll.stop();
    m_callback = T_AM2000_TimerCallback::tcNone;
    m_object = nullptr;
    m_run = nullptr;
}

bool T_AM2000_MenuTimer::TimerPending(int interval, T_AM2000_TimerCallback callback) const
{
    return Running() && m_interval == interval && m_callback == callback;
}

bool T_AM2000_MenuTimer::Poll()
{
    if (!Running() || TTickCount::Now() < m_due)
        return false;
    const bool objectGone = !m_object;
    const std::function<void()> run = std::move(m_run);
    Stop();
    if (!objectGone)
        run();
    return true;
}

void T_AM2000_MenuTimer::ArmPoll()
{
    const qint64 wait = std::clamp<qint64>(m_due - TTickCount::Now(), 0, m_interval);
    m_poll.start(int(wait > 0 ? wait : RepollInterval));
}
