#pragma once

#include "TCustomMenuBar2000.h"

// The menu bar as layouts create it, with every setting published.
class TMenuBar2000 : public TCustomMenuBar2000 {
    T_CLASS_INFO
public:
    explicit TMenuBar2000(TComponent* owner);
};
