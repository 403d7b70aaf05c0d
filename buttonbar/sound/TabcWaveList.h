#pragma once

#include "TabcCustomWaveList.h"

// The sound list as stored layouts create it, with its entries published.
class TabcWaveList : public TabcCustomWaveList {
    T_CLASS_INFO
public:
    explicit TabcWaveList(TComponent* owner);
};
