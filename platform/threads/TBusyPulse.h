#pragma once

#include <functional>

// Keeps busy indicators alive while one long operation holds the interface thread (a
// query scanning a large table), during which no events are processed. The operation
// calls Pulse() often; whenever IntervalMs() has passed since the last beat, the beats
// registered now run, oldest first. A beat does only what keeps its indicator alive (the
// wait box runs its animation's due frame); nothing else waiting in the event queue runs.
class TBusyPulse {
public:
    using TBeat = std::function<void()>;

    // Registers beat for the life of this object (interface thread only).
    explicit TBusyPulse(TBeat beat);
    ~TBusyPulse();
    TBusyPulse(const TBusyPulse&) = delete;
    TBusyPulse& operator=(const TBusyPulse&) = delete;

    // Runs the beats when they are due; cheap while none is registered. Not re-entered
    // from a beat. A beat's error goes to the standard error report once the operation
    // has returned to the event loop.
    static void Pulse() noexcept;

    static int IntervalMs();
    static void SetIntervalMs(int milliseconds);

private:
    TBeat m_beat;
};
