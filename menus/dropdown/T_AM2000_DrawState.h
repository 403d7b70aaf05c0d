#pragma once

// The bits of an item's draw state, handed to every drawing step and to the item's
// OnBeforeDrawItem and OnPaintItemBackground handlers.
enum T_AM2000_DrawState : int {
    dsChecked = 1 << 0,
    dsSelected = 1 << 1,
    dsDisabled = 1 << 2,
    dsHidden = 1 << 3,  // a rarely used item, shown because the window is expanded
    dsDefault = 1 << 4, // drawn in bold
    dsRadio = 1 << 5,
    dsSubmenu = 1 << 6,
    dsHiddenAbove = 1 << 7, // the entry above is a hidden item too
    dsHiddenBelow = 1 << 8,
    dsTitleLeft = 1 << 11,
    dsTitleRight = 1 << 12,
    dsPressed = 1 << 19, // the mouse button is held on the selected enabled item
    dsGlyphLeft = 1 << 20,
};
