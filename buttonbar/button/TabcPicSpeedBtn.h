#pragma once

#include "TabcCustomPicSpeedBtn.h"

// The styled speed button with its properties published for stored layouts.
class TabcPicSpeedBtn : public TabcCustomPicSpeedBtn {
    T_CLASS_INFO
public:
    explicit TabcPicSpeedBtn(TComponent* owner);
};
