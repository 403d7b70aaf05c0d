#include "T_AM2000_MenuWatch.h"

#include "TMenu.h"
#include "TMenuViewers.h"

#include <algorithm>

T_AM2000_MenuWatch::T_AM2000_MenuWatch(TMenu* menu, ChangeHandler changed,
                                       std::function<void()> freed)
    : TComponent(nullptr)
    , m_menu(menu)
    , m_changed(std::move(changed))
    , m_freed(std::move(freed))
{
    if (m_menu)
        Listen(m_menu->Viewers());
}

T_AM2000_MenuWatch::~T_AM2000_MenuWatch()
{
    for (TMenuViewers* viewers : m_heard) {
        viewers->Remove(this);
        RemoveFreeNotification(&viewers->Menu());
    }
}

void T_AM2000_MenuWatch::Add(TMenuViewers& viewers)
{
    if (std::find(m_heard.begin(), m_heard.end(), &viewers) == m_heard.end())
        Listen(viewers);
}

void T_AM2000_MenuWatch::Listen(TMenuViewers& viewers)
{
    m_heard.push_back(&viewers);
    FreeNotification(&viewers.Menu());
    // The menu may still call a viewer that a change before removed: the handler goes
    // along by value rather than through this watch.
    viewers.Add(this, [changed = m_changed](TMenuItem*, bool rebuild) { changed(rebuild); });
}

// A menu being freed has already dropped its viewers with its items.
void T_AM2000_MenuWatch::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_menu)
        m_menu = nullptr;
    if (std::erase_if(m_heard, [component](TMenuViewers* viewers) {
            return &viewers->Menu() == component;
        }) == 0)
        return;
    // The handler may free this watch.
    const auto freed = m_freed;
    freed();
}
