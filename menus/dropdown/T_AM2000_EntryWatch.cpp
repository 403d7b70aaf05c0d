#include "T_AM2000_EntryWatch.h"

#include "TMenuItem2000.h"

#include <algorithm>

T_AM2000_EntryWatch::T_AM2000_EntryWatch(TMenuItem2000& item, std::function<void()> entryFreed,
                                         std::function<void()> itemFreed)
    : TComponent(nullptr)
    , m_item(&item)
    , m_entryFreed(std::move(entryFreed))
    , m_itemFreed(std::move(itemFreed))
{
    FreeNotification(m_item);
}

void T_AM2000_EntryWatch::Watch(const std::vector<TMenuItem2000*>& entries)
{
    for (TComponent* watched : m_entries) {
        if (std::find(entries.begin(), entries.end(), watched) == entries.end())
            RemoveFreeNotification(watched);
    }
    m_entries.assign(entries.begin(), entries.end());
    for (TComponent* entry : m_entries)
        FreeNotification(entry);
}

void T_AM2000_EntryWatch::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_item) {
        m_item = nullptr;
        Watch({});
        m_itemFreed();
    } else if (std::erase(m_entries, component) > 0) {
        m_entryFreed();
    }
}
