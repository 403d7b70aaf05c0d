#include "T_AM2000_MenuWatch.h"

#include "TMenu.h"

#include <algorithm>

T_AM2000_MenuWatch::T_AM2000_MenuWatch(TMenu& menu, ChangeHandler changed,
                                       std::function<void()> freed)
    : TComponent(nullptr)
    , m_menu(&menu)
    , m_changed(std::move(changed))
    , m_freed(std::move(freed))
{
    Listen(menu);
}

T_AM2000_MenuWatch::~T_AM2000_MenuWatch()
{
    if (m_menu)
        StopListening(*m_menu);
    for (TMenu* menu : m_attached)
        StopListening(*menu);
}

void T_AM2000_MenuWatch::Add(TMenu& menu)
{
    if (&menu == m_menu ||
        std::find(m_attached.begin(), m_attached.end(), &menu) != m_attached.end())
        return;
    m_attached.push_back(&menu);
    Listen(menu);
}

void T_AM2000_MenuWatch::Listen(TMenu& menu)
{
    FreeNotification(&menu);
    // The menu may still call a viewer that a change before removed: the handler goes
    // along by value rather than through this watch.
    menu.AddViewer(this, [changed = m_changed](TMenuItem*, bool rebuild) { changed(rebuild); });
}

void T_AM2000_MenuWatch::StopListening(TMenu& menu)
{
    menu.RemoveViewer(this);
    RemoveFreeNotification(&menu);
}

// A menu being freed has already dropped its viewers with its items.
void T_AM2000_MenuWatch::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_menu)
        m_menu = nullptr;
    else if (std::erase(m_attached, component) == 0)
        return;
    // The handler may free this watch.
    const auto freed = m_freed;
    freed();
}
