#pragma once

#include "TCustomMainMenu2000.h"

// The animated main menu as layouts create it, with every setting published.
class TMainMenu2000 : public TCustomMainMenu2000 {
    T_CLASS_INFO
public:
    explicit TMainMenu2000(TComponent* owner);
};
