#pragma once

class QWidget;

// A menu bar as the menu tracking sees it: presses on it are its own and never close
// the open menus, and it returns to its idle state when all menus close.
class I_AM2000_MenuBar {
public:
    virtual ~I_AM2000_MenuBar() = default;
    virtual QWidget* BarWidget() = 0;
    virtual void ResetBar() = 0;
};
