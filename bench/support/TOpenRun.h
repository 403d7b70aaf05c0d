#pragma once

#include "TProcessMemory.h"

#include <benchmark/benchmark.h>

// The timed loop of the "open a category" benchmarks. Each round starts from the released
// state (Release, and freed memory given back to the system) and times Open, which
// returns the number of records it opened; the memory it holds and its peak are measured
// around it, outside the timing.
class TOpenRun {
public:
    struct Memory {
        double heapHeldMiB = 0;
        double peakGrowthMiB = 0;
    };

    template <class Open, class Release>
    static Memory Measure(benchmark::State& state, int expectedRecords, Open open, Release release)
    {
        open(); // the first open pays for the connection and a cold page cache
        Memory memory;
        for (auto _ : state) {
            state.PauseTiming();
            release();
            TProcessMemory::ReturnFreedMemory();
            TProcessMemory::ResetPeak();
            const double residentBefore = TProcessMemory::StatusMiB("VmRSS:");
            const double heapBefore = TProcessMemory::HeapInUseMiB();
            state.ResumeTiming();
            const int records = open();
            state.PauseTiming();
            memory.heapHeldMiB = TProcessMemory::HeapInUseMiB() - heapBefore;
            memory.peakGrowthMiB = TProcessMemory::StatusMiB("VmHWM:") - residentBefore;
            state.ResumeTiming();
            if (records != expectedRecords)
                state.SkipWithError("wrong record count");
        }
        return memory;
    }
};
