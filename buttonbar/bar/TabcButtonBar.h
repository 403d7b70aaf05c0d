#pragma once

#include "TabcCustomButtonBar.h"

// The button bar with its properties published for stored layouts.
class TabcButtonBar : public TabcCustomButtonBar {
    T_CLASS_INFO
public:
    explicit TabcButtonBar(TComponent* owner);
};
