#pragma once

#include "TBusyPulse.h"

#include <functional>

// Beats for the length of a scope, calling beat at each one (at every pulse): a test's
// hook into the moments the data layer waits for a server.
class TEveryPulse {
public:
    explicit TEveryPulse(std::function<void()> beat)
        : m_interval(TBusyPulse::IntervalMs())
        , m_pulse(std::move(beat))
    {
        TBusyPulse::SetIntervalMs(0);
    }
    ~TEveryPulse() { TBusyPulse::SetIntervalMs(m_interval); }
    TEveryPulse(const TEveryPulse&) = delete;
    TEveryPulse& operator=(const TEveryPulse&) = delete;

private:
    int m_interval;
    TBusyPulse m_pulse;
};
