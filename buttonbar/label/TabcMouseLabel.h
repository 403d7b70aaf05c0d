#pragma once

#include "TabcCustomMouseLabel.h"

// The mouse-effect label as stored layouts create it, its effects published.
class TabcMouseLabel : public TabcCustomMouseLabel {
    T_CLASS_INFO
public:
    explicit TabcMouseLabel(TComponent* owner);
};
