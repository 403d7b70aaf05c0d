#pragma once

#include <QRect>

class TCustomPopupMenu2000;
class TCustomPopupMenu2000Form;
class TMenuItem2000;

// Opens the drop-down of a menu bar item as the current menu chain: below the item (or
// above it where the screen ends), growing with the menu's animation, with its drop
// shadow when the menu wants one.
class T_AM2000_BarDropDown {
public:
    // itemOnScreen: the item's rectangle in screen pixels. systemShadow: the main menu
    // follows the desktop's drop-shadow setting. raised: the item is raised above the
    // drop-down, whose border is left open where the item touches it. The window belongs
    // to menu.
    static TCustomPopupMenu2000Form* Open(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                                          const QRect& itemOnScreen, bool systemShadow,
                                          bool raised);
};
