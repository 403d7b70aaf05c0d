#pragma once

#include <algorithm>
#include <chrono>

// The timings behind the ratios the benchmarks print.
class TStopwatch {
public:
    // The seconds a piece of work takes.
    template <class F> static double Seconds(F&& work)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    // The shortest of several runs of a piece of work, in seconds.
    template <class F> static double Best(int rounds, F&& work)
    {
        double best = Seconds(work);
        for (int round = 1; round < rounds; ++round)
            best = std::min(best, Seconds(work));
        return best;
    }
};
