#pragma once

#include <QPointer>
#include <QRect>

class TabcButtonPage;
class TabcCustomButtonBar;

// The slide of a bar's page change. The buttons between the old and the new page move
// across the bar's free height in AnimationSteps steps, the old page shrinking and the
// new one growing with them: one bounds change per moved control and step, with the
// bar's alignment suspended. With abbAnimate set and the bar showing, each step waits,
// handling events, until its deadline; the deadlines add up from the start, so a slow
// step shortens the waits that follow. Without room to slide, nothing moves.
class TabcPageChangeAnimation {
public:
    TabcPageChangeAnimation(TabcCustomButtonBar& bar, TabcButtonPage* from, TabcButtonPage* to);

    // Slides from the old page to the new one and hides the old page. Stops early when
    // the bar or either page goes while a step waits.
    void Run();

private:
    // Moves the pages and the buttons between them by distance pixels.
    void Step(int distance);

    QPointer<TabcCustomButtonBar> m_bar;
    QPointer<TabcButtonPage> m_from;
    QPointer<TabcButtonPage> m_to;
    QRect m_oldBounds; // the old page, shrinking
    QRect m_newBounds; // the new page, growing
};
