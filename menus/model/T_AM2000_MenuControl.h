#pragma once

#include "TPersistent.h"

#include <functional>

// The settings of an embedded control that an item draws in place of its text; the
// item's Control property selects the subclass. The base, for items without a
// control, has no settings.
class T_AM2000_MenuControl : public TPersistent {
    T_CLASS_INFO
public:
    T_AM2000_MenuControl() = default;
    T_AM2000_MenuControl(const T_AM2000_MenuControl&) = delete;
    T_AM2000_MenuControl& operator=(const T_AM2000_MenuControl&) = delete;

    // Told of every change of a setting, so that the item can repaint.
    std::function<void()> OnChange;

protected:
    void Changed() const;
    // The shape of every setter: nothing for an unchanged value, else assign and tell.
    template <typename V> void Update(V& field, const V& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
};
