#pragma once

#include "TWinControl.h"

// A list-of-buttons control that can be dragged from. What such a list shows is left
// to its descendants; the button bar only recognises the type: a page whose first
// control is a button list passes the focus on to it.
class TabcCustomButtonList : public TWinControl {
    T_CLASS_INFO
public:
    explicit TabcCustomButtonList(TComponent* owner);
};
