#pragma once

#include "TComponent.h"

#include <functional>
#include <vector>

class TMenu;

// Hears, while a menu chain is open, of every change of the items of the menu it shows
// and of the menus attached to its items, and of any of them being freed, so that no
// window goes on reading an item that is gone.
class T_AM2000_MenuWatch : public TComponent {
public:
    // rebuild: the item tree itself changed.
    using ChangeHandler = std::function<void(bool rebuild)>;

    T_AM2000_MenuWatch(TMenu& menu, ChangeHandler changed, std::function<void()> freed);
    ~T_AM2000_MenuWatch() override;

    // Also hears of another menu whose items an open window lists.
    void Add(TMenu& menu);
    // The menu the chain shows; nullptr once it was freed.
    TMenu* Menu() const { return m_menu; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Listen(TMenu& menu);
    void StopListening(TMenu& menu);

    TMenu* m_menu;
    std::vector<TMenu*> m_attached;
    ChangeHandler m_changed;
    std::function<void()> m_freed;
};
