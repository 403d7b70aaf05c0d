#pragma once

#include "TComponent.h"
#include "TEvent.h"
#include "TLayoutCodec.h"

#include <algorithm>
#include <functional>
#include <memory>

class QThread;
class QTimer;

enum class TThreadPriority {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};
T_ENUM_NAMES(TThreadPriority, "tpIdle", "tpLowest", "tpLower", "tpNormal", "tpHigher", "tpHighest",
             "tpTimeCritical");

// A timer paced by a thread of its own. The thread sleeps for the interval and then
// runs the tick: handed over to the interface thread (SyncEvent, the default), whose
// event loop runs it while the thread waits, or directly on the timer thread. Not
// Threaded, an ordinary Qt timer on the interface thread paces it instead.
//
// Every change of Enabled, Interval, Threaded, ThreadPriority or OnTimer re-arms the
// timer: the thread starts a new sleep with the new settings, or is suspended while
// the interval is 0, the timer is disabled or OnTimer is unset. The component itself
// belongs to the interface thread; only Interval, Enabled and OnTimer may also be set
// from a tick running on the timer thread.
//
// Destruction never waits for the interface thread: a tick handed over and not yet
// run finds the timer gone and does nothing, so a timer (or the control owning it)
// may be freed while a tick is in flight.
class TRxTimer : public TComponent {
    T_CLASS_INFO
public:
    explicit TRxTimer(TComponent* owner);
    ~TRxTimer() override;

    bool Enabled() const;
    // Disabling from another thread than the timer thread also waits for a tick that
    // runs on the timer thread to finish, so that OnTimer neither runs nor will run
    // once this returns. The caller must not hold what such a tick needs.
    void SetEnabled(bool enabled);
    unsigned Interval() const; // milliseconds
    void SetInterval(unsigned interval);
    bool SyncEvent() const;
    void SetSyncEvent(bool syncEvent);
    bool Threaded() const;
    void SetThreaded(bool threaded);
    TThreadPriority ThreadPriority() const;
    void SetThreadPriority(TThreadPriority priority);
    const TNotifyEvent& OnTimer() const { return m_onTimer; }
    // Clearing waits for a tick on the timer thread as disabling does.
    void SetOnTimer(TNotifyEvent handler);

    // One tick: runs OnTimer when the timer is enabled, not being destroyed and OnTimer
    // is set. Errors pass on to the caller.
    void Tick();

    // Runs proc on the interface thread: at once when called there, or when the timer
    // thread is missing, suspended or ending; otherwise handed over to the interface
    // thread's event loop without waiting (the caller may hold a lock that the
    // interface thread is waiting for). A handed-over proc is dropped when the timer is
    // freed before it runs; its errors go to the standard error report.
    void Synchronize(std::function<void()> proc);

    // Runs now, on the interface thread, a tick that the timer thread has handed over and
    // that still waits in the event queue (there it then does nothing): a long operation
    // that handles no events keeps the timer going this way, and lets nothing else run.
    // Returns false when no tick was waiting.
    bool RunHandedOverTick();

    // True while a tick handed over to the interface thread has not run yet.
    bool HandOverPending() const;
    // True while the timer thread is sleeping towards a tick (not suspended).
    bool ThreadRunning() const;

    void Loaded() override;

private:
    struct State;
    class Thread;

    // Re-arms the timer after a change of its settings (see the class comment).
    void UpdateTimer();
    void UpdateSystemTimer(bool run);
    bool WantsTicks() const;
    // Layout access to Interval, as the layout codec knows int.
    int IntervalValue() const { return int(Interval()); }
    void SetIntervalValue(int interval) { SetInterval(unsigned(std::max(interval, 0))); }

    std::shared_ptr<State> m_state;
    std::unique_ptr<Thread> m_thread;
    std::unique_ptr<QTimer> m_systemTimer; // only when not Threaded
    TNotifyEvent m_onTimer;
    bool m_syncEvent = true;
    bool m_threaded = true;
    TThreadPriority m_priority = TThreadPriority::tpNormal;
};
