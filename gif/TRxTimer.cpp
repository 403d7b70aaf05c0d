#include "TRxTimer.h"

#include "InterfaceThread.h"
#include "TApplication.h"
#include "TClassInfo.h"
#include "TErrorReport.h"

#include <QThread>
#include <QTimer>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <mutex>

namespace {

// The error of a tick that ran on the timer thread, reported on the interface thread
// (a silent abort shows nothing there).
void ReportOnInterfaceThread(std::exception_ptr error)
{
    PostToInterfaceThread([error] {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& exception) {
            TErrorReport::Show(exception);
        }
    });
}

QThread::Priority QtPriority(TThreadPriority priority)
{
    switch (priority) {
    case TThreadPriority::tpIdle:
        return QThread::IdlePriority;
    case TThreadPriority::tpLowest:
        return QThread::LowestPriority;
    case TThreadPriority::tpLower:
        return QThread::LowPriority;
    case TThreadPriority::tpNormal:
        return QThread::NormalPriority;
    case TThreadPriority::tpHigher:
        return QThread::HighPriority;
    case TThreadPriority::tpHighest:
        return QThread::HighestPriority;
    case TThreadPriority::tpTimeCritical:
        return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

} // namespace

// What the timer, its thread and the ticks handed to the interface thread share. The
// thread and every handed-over tick hold it, so it outlives the timer; owner is
// cleared when the timer is freed.
struct TRxTimer::State {
    std::mutex mutex;
    std::condition_variable wake;
    TRxTimer* owner = nullptr;
    bool enabled = true;
    unsigned interval = 1000; // milliseconds
    bool syncEvent = true;
    bool running = false;   // the thread sleeps towards ticks; suspended otherwise
    bool ending = false;    // the thread is told to end
    quint64 generation = 0; // counts re-arms, so that a sleep starts again
    bool handOverPending = false;
    quint64 waitingTicket = 0; // the handed-over tick not yet taken up, 0 for none
    quint64 lastTicket = 0;
    bool directTick = false; // a tick runs on the timer thread now
};

// The timer thread: sleeps for the interval, then runs the tick, until told to end.
class TRxTimer::Thread {
public:
    explicit Thread(std::shared_ptr<State> state)
        : m_state(state)
        , m_thread(QThread::create([state] { Execute(state); }))
    {
        m_thread->start();
    }

    // Tells the thread to end and waits for it. A timer freed by its own tick (on this
    // thread) cannot wait for itself: the thread then frees itself once it ends.
    ~Thread()
    {
        {
            std::lock_guard lock(m_state->mutex);
            m_state->ending = true;
        }
        m_state->wake.notify_all();
        if (QThread::currentThread() == m_thread.get()) {
            QThread* self = m_thread.release();
            QObject::connect(self, &QThread::finished, self, &QObject::deleteLater);
            return;
        }
        m_thread->wait();
    }

    void SetPriority(TThreadPriority priority) { m_thread->setPriority(QtPriority(priority)); }
    bool IsCurrent() const { return QThread::currentThread() == m_thread.get(); }

    // On the interface thread: runs the handed-over tick of that ticket unless it was
    // taken up already (RunHandedOverTick), then lets the timer thread go on.
    static void RunHandedOver(const std::shared_ptr<State>& shared, quint64 ticket)
    {
        TRxTimer* owner = nullptr;
        {
            std::lock_guard guard(shared->mutex);
            if (shared->waitingTicket != ticket)
                return;
            shared->waitingTicket = 0;
            owner = shared->owner;
        }
        if (owner && !(Application && Application->Terminated()))
            TErrorReport::Guard([owner] { owner->Tick(); });
        {
            std::lock_guard guard(shared->mutex);
            shared->handOverPending = false;
        }
        shared->wake.notify_all();
    }

private:
    static void Execute(const std::shared_ptr<State>& shared)
    {
        State& state = *shared;
        std::unique_lock lock(state.mutex);
        while (!state.ending) {
            if (!state.running) {
                state.wake.wait(lock, [&] { return state.ending || state.running; });
                continue;
            }
            const quint64 armed = state.generation;
            const bool rearmed =
                state.wake.wait_for(lock, std::chrono::milliseconds(state.interval),
                                    [&] { return state.ending || state.generation != armed; });
            if (rearmed || !state.running || !state.owner)
                continue; // ending, suspended or new settings: sleep again with them
            if (state.syncEvent)
                HandOver(shared, lock);
            else
                RunDirectly(state, lock);
        }
    }

    // Has the interface thread run the tick and waits until it has, or until the
    // thread is told to end (the timer was freed meanwhile; the tick then does nothing).
    static void HandOver(const std::shared_ptr<State>& shared, std::unique_lock<std::mutex>& lock)
    {
        State& state = *shared;
        state.handOverPending = true;
        const quint64 ticket = ++state.lastTicket;
        state.waitingTicket = ticket;
        PostToInterfaceThread([shared, ticket] { RunHandedOver(shared, ticket); });
        state.wake.wait(lock, [&] { return state.ending || !state.handOverPending; });
    }

    // Runs the tick on this thread. The handler is taken under the lock, so that the
    // interface thread may change OnTimer meanwhile; disabling waits for directTick.
    static void RunDirectly(State& state, std::unique_lock<std::mutex>& lock)
    {
        TRxTimer* owner = state.owner;
        if (!owner || !state.enabled || !owner->m_onTimer)
            return;
        const TNotifyEvent handler = owner->m_onTimer;
        state.directTick = true;
        lock.unlock();
        try {
            handler(owner);
        } catch (...) {
            ReportOnInterfaceThread(std::current_exception());
        }
        lock.lock();
        state.directTick = false;
        state.wake.notify_all();
    }

    std::shared_ptr<State> m_state;
    std::unique_ptr<QThread> m_thread;
};

const TClassInfo& TRxTimer::StaticClassInfo()
{
    static const TClassInfo info("TRxTimer", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
        using T = TRxTimer;
        c.Creatable<T>();
        c.Property("Enabled", &T::Enabled, &T::SetEnabled, true);
        c.Property("Interval", &T::IntervalValue, &T::SetIntervalValue, 1000);
        c.Property("SyncEvent", &T::SyncEvent, &T::SetSyncEvent, true);
        c.Property("Threaded", &T::Threaded, &T::SetThreaded, true);
        c.Property("ThreadPriority", &T::ThreadPriority, &T::SetThreadPriority,
                   TThreadPriority::tpNormal);
        c.Event("OnTimer", &T::m_onTimer);
    });
    return info;
}

TRxTimer::TRxTimer(TComponent* owner)
    : TComponent(owner)
    , m_state(std::make_shared<State>())
{
    m_state->owner = this;
}

// Enabled off and OnTimer cleared, the thread told to end; a tick handed over to the
// interface thread finds no owner when it runs.
TRxTimer::~TRxTimer()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->owner = nullptr;
        m_state->enabled = false;
        m_state->running = false;
    }
    m_thread.reset();
    m_systemTimer.reset();
    m_onTimer.Clear();
}

bool TRxTimer::Enabled() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->enabled;
}

void TRxTimer::SetEnabled(bool enabled)
{
    {
        std::lock_guard lock(m_state->mutex);
        if (enabled == m_state->enabled)
            return;
        m_state->enabled = enabled;
    }
    UpdateTimer();
}

unsigned TRxTimer::Interval() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->interval;
}

void TRxTimer::SetInterval(unsigned interval)
{
    {
        std::lock_guard lock(m_state->mutex);
        if (interval == m_state->interval)
            return;
        m_state->interval = interval;
    }
    UpdateTimer();
}

bool TRxTimer::SyncEvent() const
{
    return m_syncEvent;
}

// Takes effect at the next tick; the sleep is not disturbed.
void TRxTimer::SetSyncEvent(bool syncEvent)
{
    if (syncEvent == m_syncEvent)
        return;
    m_syncEvent = syncEvent;
    std::lock_guard lock(m_state->mutex);
    m_state->syncEvent = syncEvent;
}

bool TRxTimer::Threaded() const
{
    return m_threaded;
}

void TRxTimer::SetThreaded(bool threaded)
{
    if (threaded == m_threaded)
        return;
    m_threaded = threaded;
    UpdateTimer();
}

TThreadPriority TRxTimer::ThreadPriority() const
{
    return m_priority;
}

void TRxTimer::SetThreadPriority(TThreadPriority priority)
{
    if (priority == m_priority)
        return;
    m_priority = priority;
    if (m_threaded)
        UpdateTimer();
}

void TRxTimer::SetOnTimer(TNotifyEvent handler)
{
    bool wasSet = false;
    {
        std::lock_guard lock(m_state->mutex);
        wasSet = bool(m_onTimer);
        m_onTimer = std::move(handler);
    }
    if (wasSet != bool(m_onTimer))
        UpdateTimer();
}

void TRxTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer(); // a layout binds OnTimer without its setter
}

bool TRxTimer::WantsTicks() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->interval != 0 && m_state->enabled && m_onTimer;
}

void TRxTimer::UpdateTimer()
{
    const bool run = WantsTicks();
    if (!m_threaded) {
        {
            std::lock_guard lock(m_state->mutex);
            m_state->running = false;
            ++m_state->generation;
        }
        m_state->wake.notify_all();
        UpdateSystemTimer(run);
        return;
    }
    m_systemTimer.reset();
    if (run && !m_thread)
        m_thread = std::make_unique<Thread>(m_state);
    if (m_thread)
        m_thread->SetPriority(m_priority);
    std::unique_lock lock(m_state->mutex);
    m_state->running = run;
    ++m_state->generation;
    m_state->wake.notify_all();
    // Only disabling and clearing OnTimer wait. The interval changes with the frame,
    // under locks that a tick on the timer thread may be waiting for.
    const bool stopped = !m_state->enabled || !m_onTimer;
    if (stopped && m_thread && !m_thread->IsCurrent())
        m_state->wake.wait(lock, [&] { return !m_state->directTick; });
}

// Not threaded, a Qt timer on the interface thread paces the ticks; a tick's error
// goes to the standard error report.
void TRxTimer::UpdateSystemTimer(bool run)
{
    if (!run) {
        if (m_systemTimer)
            m_systemTimer->stop();
        return;
    }
    if (!m_systemTimer) {
        m_systemTimer = std::make_unique<QTimer>();
        QObject::connect(m_systemTimer.get(), &QTimer::timeout,
                         [this] { TErrorReport::Guard([this] { Tick(); }); });
    }
    m_systemTimer->start(int(std::min<unsigned>(Interval(), INT_MAX)));
}

void TRxTimer::Tick()
{
    TNotifyEvent handler;
    {
        std::lock_guard lock(m_state->mutex);
        if (!m_state->enabled || !m_state->owner)
            return;
        handler = m_onTimer; // the handler may clear OnTimer or free the timer
    }
    handler(this);
}

void TRxTimer::Synchronize(std::function<void()> proc)
{
    bool handOver = false;
    {
        std::lock_guard lock(m_state->mutex);
        handOver = m_thread && m_state->running && !m_state->ending;
    }
    if (!handOver || OnInterfaceThread()) {
        proc();
        return;
    }
    PostToInterfaceThread([state = m_state, proc = std::move(proc)] {
        {
            std::lock_guard lock(state->mutex);
            if (!state->owner)
                return;
        }
        TErrorReport::Guard(proc);
    });
}

bool TRxTimer::RunHandedOverTick()
{
    quint64 ticket = 0;
    {
        std::lock_guard lock(m_state->mutex);
        ticket = m_state->waitingTicket;
    }
    if (ticket == 0)
        return false;
    Thread::RunHandedOver(m_state, ticket);
    return true;
}

bool TRxTimer::HandOverPending() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->handOverPending;
}

bool TRxTimer::ThreadRunning() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->running;
}
