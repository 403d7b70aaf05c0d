#pragma once

#include "T_AM2000_AnimatedSkin.h"

// The shared skin component as layouts create it: it publishes its four groups, each
// stored when it was set and differs from the defaults.
class TCustomAnimatedSkin2000 : public T_AM2000_AnimatedSkin {
    T_CLASS_INFO
public:
    explicit TCustomAnimatedSkin2000(TComponent* owner);
};
