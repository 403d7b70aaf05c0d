#include "T_AM2000_MenuWatch.h"

#include "TMenu.h"

T_AM2000_MenuWatch::T_AM2000_MenuWatch(TMenu& menu, ChangeHandler changed,
                                       std::function<void()> freed)
    : TComponent(nullptr)
    , m_menu(&menu)
    , m_freed(std::move(freed))
{
    FreeNotification(m_menu);
    m_menu->AddViewer(
        this, [changed = std::move(changed)](TMenuItem*, bool rebuild) { changed(rebuild); });
}

T_AM2000_MenuWatch::~T_AM2000_MenuWatch()
{
    if (m_menu) {
        m_menu->RemoveViewer(this);
        RemoveFreeNotification(m_menu);
    }
}

void T_AM2000_MenuWatch::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_menu) {
        m_menu = nullptr;
        // The handler may free this watch.
        const auto freed = std::move(m_freed);
        freed();
    }
}
