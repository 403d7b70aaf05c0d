#pragma once

#include "TComponent.h"

#include <functional>
#include <vector>

class TMenu;
class TMenuViewers;

// Hears, while a menu chain is open, of every change of the items of the menu it shows
// and of the other menus whose items its windows list (attached menus, context menus),
// and of any of them being freed, so that no window goes on reading an item that is gone.
class T_AM2000_MenuWatch : public TComponent {
public:
    // rebuild: the item tree itself changed.
    using ChangeHandler = std::function<void(bool rebuild)>;

    // menu: the menu the chain shows, nullptr for a chain that belongs to no menu.
    T_AM2000_MenuWatch(TMenu* menu, ChangeHandler changed, std::function<void()> freed);
    ~T_AM2000_MenuWatch() override;

    // Also hears of another menu whose items an open window lists.
    void Add(TMenuViewers& viewers);
    // The menu the chain shows; nullptr once it was freed.
    TMenu* Menu() const { return m_menu; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Listen(TMenuViewers& viewers);

    TMenu* m_menu;
    std::vector<TMenuViewers*> m_heard;
    ChangeHandler m_changed;
    std::function<void()> m_freed;
};
