#include "T_AM2000_AnimationSteps.h"

#include "T_AM2000_AnimationKind.h"

#include <algorithm>

T_AM2000_AnimationSteps::T_AM2000_AnimationSteps(QSize target, T_AM2000_Animation kind)
    : m_target(target)
{
    const bool horizontal = T_AM2000_AnimationKind::GrowsHorizontally(kind);
    const bool vertical = T_AM2000_AnimationKind::GrowsVertically(kind);
    m_stepX = std::max(horizontal ? target.width() / Divisor : 1, MinimumStep);
    m_stepY = std::max(vertical ? target.height() / Divisor : 1, MinimumStep);
    m_stepX = std::max(m_stepX, m_stepY);
    m_start = QSize(horizontal ? target.width() / StartFraction : target.width(),
                    vertical ? target.height() / StartFraction - m_stepY : target.height());
}

T_AM2000_AnimationSteps T_AM2000_AnimationSteps::Expanding(QSize target, int fromHeight)
{
    T_AM2000_AnimationSteps steps(target, T_AM2000_Animation::anNone);
    steps.m_stepY = std::max((target.height() - fromHeight) / Divisor, MinimumStep);
    steps.m_start = QSize(target.width(), fromHeight);
    return steps;
}

T_AM2000_AnimationSteps::Step T_AM2000_AnimationSteps::Advance(QSize current) const
{
    Step step{current,
              current.width() >= m_target.width() && current.height() >= m_target.height()};
    if (current.width() < m_target.width()) {
        step.size.rwidth() += m_stepX;
        step.finished |= step.size.width() >= m_target.width();
    }
    if (current.height() < m_target.height()) {
        step.size.rheight() += m_stepY;
        step.finished |= step.size.height() >= m_target.height();
    }
    if (step.finished)
        step.size = m_target;
    return step;
}
