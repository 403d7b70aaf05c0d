#pragma once

#include "TBusyPulse.h"

// The wait box over a category query, for the length of a scope: on entry the wait
// form is created, shown and painted once (or reused when one is open already); on
// every way out, a failed query included, it is closed.
//
// Meanwhile the query holds the interface thread and no events are handled. Through a
// long scan the query pulses (TBusyPulse), and at each beat the wait form's animation
// runs the frame that its timer has handed over: the animation keeps moving while
// nothing else of the event queue runs.
class TQueryWaitBox {
public:
    TQueryWaitBox();
    ~TQueryWaitBox();
    TQueryWaitBox(const TQueryWaitBox&) = delete;
    TQueryWaitBox& operator=(const TQueryWaitBox&) = delete;

private:
    static void AnimateWaitForm();

    TBusyPulse m_pulse;
};
