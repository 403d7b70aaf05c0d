#pragma once

#include "T_AM2000_SlotGroup.h"

// The spacings of a drop-down window in pixels: 9 values addressed by index 1..9.
class T_AM2000_Margins : public T_AM2000_SlotGroup<int, 9> {
    T_CLASS_INFO
public:
    enum Index : int {
        Left = 1,  // space left of the text (glyph column)
        Right,     // space right of the text (submenu arrow column)
        Space,     // gap between two items
        Border,    // width of the flat border band
        Bevel,     // width of the 3D bevel frame
        Frame,     // inner frame around each item
        Gutter,    // width of the gutter band behind the glyphs
        Item,      // line height of an item; 0: text height of "Hj" plus 7
        Separator, // height of a separator
    };

    explicit T_AM2000_Margins(T_AM2000_Options* options = nullptr);

    // Copies the values of another margin group, without notification.
    void Assign(const TPersistent* source) override;
};
