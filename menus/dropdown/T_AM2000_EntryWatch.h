#pragma once

#include "TComponent.h"

#include <functional>
#include <vector>

class TMenuItem2000;

// Hears of the freeing of the item a drop-down window was made for and of the items it
// lists, wherever they belong: items of a context menu or of a free-standing submenu
// tell no menu of their changes.
class T_AM2000_EntryWatch : public TComponent {
public:
    T_AM2000_EntryWatch(TMenuItem2000& item, std::function<void()> entryFreed,
                        std::function<void()> itemFreed);

    // From now on, exactly these entries are watched.
    void Watch(const std::vector<TMenuItem2000*>& entries);
    bool ItemFreed() const { return m_item == nullptr; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TComponent* m_item;
    std::function<void()> m_entryFreed;
    std::function<void()> m_itemFreed;
    std::vector<TComponent*> m_entries;
};
