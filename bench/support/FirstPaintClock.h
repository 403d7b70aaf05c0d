#pragma once

#include <chrono>
#include <cstdio>

// The start-up probes print the steady clock's reading once their window's first paint
// is done; the benchmark, which reads the same clock before starting a probe, takes the
// difference. Process teardown stays out of the measurement.
inline long long SteadyClockNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline void PrintFirstPaintDone()
{
    std::printf("%lld\n", SteadyClockNanoseconds());
    std::fflush(stdout);
}
