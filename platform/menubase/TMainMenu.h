#pragma once

#include "TMenu.h"

// The menu of a window's menu bar: its top-level items are the bar's entries, their
// sub-items the drop-downs.
class TMainMenu : public TMenu {
    T_CLASS_INFO
public:
    explicit TMainMenu(TComponent* owner);

protected:
    // For derived main menus whose items are of their own class.
    TMainMenu(TComponent* owner, std::unique_ptr<TMenuItem> root);
};
