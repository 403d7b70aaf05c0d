#pragma once

#include "TComponent.h"

#include <functional>

class TMenu;

// Hears, while a menu chain is open, of every change of the items of the menu it shows,
// and of that menu being freed, so that no window goes on reading an item that is gone.
class T_AM2000_MenuWatch : public TComponent {
public:
    // rebuild: the item tree itself changed.
    using ChangeHandler = std::function<void(bool rebuild)>;

    T_AM2000_MenuWatch(TMenu& menu, ChangeHandler changed, std::function<void()> freed);
    ~T_AM2000_MenuWatch() override;

    // The menu watched; nullptr once it was freed.
    TMenu* Menu() const { return m_menu; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenu* m_menu;
    std::function<void()> m_freed;
};
