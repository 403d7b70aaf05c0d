#pragma once

#include "T_AM2000_MenuAnimator.h"

#include <QCoreApplication>
#include <QWidget>

// A menu window paints its first frame and control returns to the event loop: what waits
// for that frame (the window's shadow, the popup sound, the bar's repaint) has run.
inline void PaintFirstFrame(QWidget& window)
{
    window.grab();
    if (T_AM2000_MenuAnimator* animator = T_AM2000_MenuAnimator::Of(window))
        QCoreApplication::sendPostedEvents(animator, QEvent::MetaCall);
}
