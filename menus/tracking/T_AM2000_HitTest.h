#pragma once

#include <QPoint>

class TCustomPopupMenu2000Form;

// What a point of a drop-down window lies on: the index of an entry, or one of the
// window's zone codes (drag strip, expand button, nothing).
class T_AM2000_HitTest {
public:
    // point in window coordinates.
    static int At(const TCustomPopupMenu2000Form& window, QPoint point);
};
