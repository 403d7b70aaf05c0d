#pragma once

#include <functional>
#include <memory>
#include <optional>

// Runs work on a thread of its own and waits for it at most a time budget, so that a
// hostile input (an SVG drawing that takes minutes) cannot freeze the caller. Work that
// overruns is left to finish on its own and its result is dropped; the program waits for
// such work only when it ends. Work must not touch the caller's stack: it owns whatever
// it reads, and its result is handed back by value.
class TBoundedTask {
public:
    // The result of work, or nothing when work did not finish within budgetMs or raised.
    template <class T> static std::optional<T> Run(std::function<T()> work, int budgetMs)
    {
        auto result = std::make_shared<std::optional<T>>();
        const bool finished =
            RunVoid([result, work = std::move(work)] { *result = work(); }, budgetMs);
        return finished ? std::move(*result) : std::nullopt;
    }

private:
    // True when work returned within the budget; false when it overran or raised.
    static bool RunVoid(std::function<void()> work, int budgetMs);
};
