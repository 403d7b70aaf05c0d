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
    struct Request {
        QRect itemOnScreen; // the item's rectangle in screen pixels
        // The main menu follows the desktop's drop-shadow setting.
        bool systemShadow = false;
        // The item is raised above the drop-down, whose border is left open where the
        // item touches it.
        bool raised = false;
        // The bar shows accelerator underlines: so does the drop-down, from its first frame.
        bool underlines = false;
    };

    // The window belongs to menu.
    static TCustomPopupMenu2000Form* Open(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                                          const Request& request);
};
