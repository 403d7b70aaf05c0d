#pragma once

#include "T_AM2000_Options.h"

// The options of one item, which decide the look of the item's submenu. Each group is
// inherited from the parent chain (its Parent flag true, the default) or the item's own.
class T_AM2000_ItemOptions : public T_AM2000_Options {
    T_CLASS_INFO
public:
    explicit T_AM2000_ItemOptions(I_AM2000_OptionsOwner* owner = nullptr);

    // Also all four Parent flags true.
    bool HasDefaults() const override;
};
