#pragma once

#include <QString>
#include <Qt>

class QWidget;

// A menu bar as the menu tracking sees it: presses on it are its own and never close
// the open menus, it returns to its idle state when all menus close, and it is offered
// the keys that the open drop-down leaves alone.
class I_AM2000_MenuBar {
public:
    virtual ~I_AM2000_MenuBar() = default;
    virtual QWidget* BarWidget() = 0;
    virtual void ResetBar() = 0;
    // Returns whether the bar took the key.
    virtual bool BarKeyDown(int /*key*/, Qt::KeyboardModifiers /*modifiers*/,
                            const QString& /*text*/)
    {
        return false;
    }
};
