#pragma once

#include "TFont.h"

// The font of a title strip. Its declared defaults are the title's own (Arial, 24 points,
// bold, white), so that a layout holds exactly the parts that differ from them.
class T_AM2000_TitleFont : public TFont {
    T_CLASS_INFO
public:
    T_AM2000_TitleFont();

    bool IsDefault() const;
};
