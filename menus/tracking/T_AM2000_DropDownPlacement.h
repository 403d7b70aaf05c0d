#pragma once

#include "T_AM2000_WindowPlacement.h"

class TCustomPopupMenu2000Form;

// Places a laid-out drop-down window on the screen: a window that fits nowhere scrolls
// within the height it was given and is placed again at its wider size; the window
// remembers the side it opened to.
class T_AM2000_DropDownPlacement {
public:
    // request's size is taken from the window.
    static T_AM2000_WindowPlacement::Placement Fit(TCustomPopupMenu2000Form& window,
                                                   T_AM2000_WindowPlacement::Request request);
};
