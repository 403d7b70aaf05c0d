#pragma once

#include "T_AM2000_Types.h"

#include <QSize>

// How a drop-down window grows while it opens: the pixels added per step on each axis
// and the size it starts from.
class T_AM2000_AnimationSteps {
public:
    static constexpr int Divisor = 16;       // a growing side takes about this many steps
    static constexpr int StartFraction = 10; // a growing side starts at this fraction
    static constexpr int MinimumStep = 3;    // pixels

    // target is the laid-out size; kind a resolved kind.
    T_AM2000_AnimationSteps(QSize target, T_AM2000_Animation kind);

    // A window growing from fromHeight to target in vertical slides, a sixteenth of the
    // difference at a time (at least MinimumStep, so that a small difference still ends).
    static T_AM2000_AnimationSteps Expanding(QSize target, int fromHeight);

    int StepX() const { return m_stepX; }
    int StepY() const { return m_stepY; }
    // The size shown first. The height of a very low menu may start at or below zero.
    QSize StartSize() const { return m_start; }

    struct Step {
        QSize size;
        bool finished = false; // the window takes its target size now
    };
    // The step after current: each side still short of its target grows by its step;
    // once either side reaches its target the animation is over.
    Step Advance(QSize current) const;

private:
    QSize m_target;
    int m_stepX = MinimumStep;
    int m_stepY = MinimumStep;
    QSize m_start;
};
