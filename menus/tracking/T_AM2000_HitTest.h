#pragma once

#include <QPoint>

class TCustomPopupMenu2000Form;

// What a point of a drop-down window lies on: the index of a shown entry, or one of the
// window's zone codes (drag strip, expand button, scroll-bar zones, nothing).
class T_AM2000_HitTest {
public:
    // point in window coordinates.
    static int At(const TCustomPopupMenu2000Form& window, QPoint point);
};
