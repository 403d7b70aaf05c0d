#include "TBusyPulse.h"

#include "TErrorReport.h"

#include <QElapsedTimer>
#include <algorithm>
#include <exception>
#include <vector>

namespace {

struct TPulseState {
    std::vector<TBusyPulse*> pulses;
    QElapsedTimer sinceBeat;
    int intervalMs = 40; // about the wait animation's frame delay
    bool beating = false;
};

TPulseState& State()
{
    static TPulseState state;
    return state;
}

} // namespace

TBusyPulse::TBusyPulse(TBeat beat)
    : m_beat(std::move(beat))
{
    TPulseState& state = State();
    state.pulses.push_back(this);
    state.sinceBeat.start();
}

TBusyPulse::~TBusyPulse()
{
    std::erase(State().pulses, this);
}

void TBusyPulse::Pulse() noexcept
{
    TPulseState& state = State();
    if (state.pulses.empty() || state.beating || state.sinceBeat.elapsed() < state.intervalMs)
        return;
    state.beating = true;
    // A beat may end a registration (its own included): walk a copy, skip the ones gone.
    const std::vector<TBusyPulse*> pulses = state.pulses;
    for (TBusyPulse* pulse : pulses) {
        if (std::find(state.pulses.begin(), state.pulses.end(), pulse) == state.pulses.end())
            continue;
        try {
            pulse->m_beat();
        } catch (const std::exception& error) {
            TErrorReport::ShowLater(error);
        }
    }
    state.sinceBeat.start();
    state.beating = false;
}

int TBusyPulse::IntervalMs()
{
    return State().intervalMs;
}

void TBusyPulse::SetIntervalMs(int milliseconds)
{
    State().intervalMs = std::max(0, milliseconds);
}
