#include "TabcPageChangeAnimation.h"

#include "TAlignSuspension.h"
#include "TApplication.h"
#include "TTickCount.h"
#include "TabcBarBtn.h"
#include "TabcButtonPage.h"
#include "TabcCustomButtonBar.h"

#include <algorithm>

TabcPageChangeAnimation::TabcPageChangeAnimation(TabcCustomButtonBar& bar, TabcButtonPage* from,
                                                 TabcButtonPage* to)
    : m_bar(&bar)
    , m_from(from)
    , m_to(to)
{}

void TabcPageChangeAnimation::Run()
{
    TabcCustomButtonBar& bar = *m_bar;
    const int o = bar.IndexOfPage(m_from), w = bar.IndexOfPage(m_to), n = bar.PageCount();
    if (o == w || n == 0)
        return;
    if (o < 0 || w < 0) {
        bar.Realign();
        return;
    }
    const QRect inner = bar.InnerRect();
    const int buttonHeight = bar.ButtonHeight();
    const int free = inner.height() - n * buttonHeight;
    if (free <= 0)
        return;
    const bool animate = bar.Options().Contains(TabcButtonBarOption::abbAnimate) && bar.isVisible();
    const int steps = animate ? bar.AnimationSteps() : 1;
    const int delay = animate ? bar.AnimationTime() / steps : 0;
    qint64 deadline = TTickCount::Now();
    int distance = free / steps;
    const int rest = free % steps;
    m_oldBounds = m_from->BoundsRect();
    m_newBounds = QRect(inner.x(),
                        w < o ? inner.y() + (w + 1) * buttonHeight
                              : inner.y() + inner.height() - (n - w - 1) * buttonHeight,
                        inner.width(), 0);
    TAlignSuspension suspended(&bar);
    for (int step = 1; step <= steps; ++step) {
        deadline += delay;
        if (step == steps)
            distance += rest;
        Step(distance);
        if (animate && !m_bar->DragSwitching()) {
            Application->WaitMessagesUntil(deadline);
            if (!m_bar || !m_from || !m_to)
                return;
        }
    }
    m_from->SetVisible(false);
}

void TabcPageChangeAnimation::Step(int distance)
{
    const int o = m_bar->IndexOfPage(m_from), w = m_bar->IndexOfPage(m_to);
    const auto moveButton = [this, distance](int index, int by) {
        TabcBarBtn* button = m_bar->Buttons()[size_t(index)];
        if (button->Visible())
            button->SetBounds(button->Left(), button->Top() + by * distance, button->Width(),
                              button->Height());
    };
    if (w < o) {
        m_oldBounds.setTop(m_oldBounds.top() + distance);
        for (int i = o; i > w; --i)
            moveButton(i, 1);
        m_newBounds.setHeight(m_newBounds.height() + distance);
    } else {
        m_oldBounds.setHeight(m_oldBounds.height() - distance);
        for (int i = o + 1; i <= w; ++i)
            moveButton(i, -1);
        m_newBounds.setTop(m_newBounds.top() - distance);
    }
    m_from->SetBounds(m_oldBounds.x(), m_oldBounds.y(), m_oldBounds.width(),
                      std::max(0, m_oldBounds.height()));
    m_to->SetBounds(m_newBounds.x(), m_newBounds.y(), m_newBounds.width(), m_newBounds.height());
}
