#pragma once

#include "TComponent.h"
#include "TEvent.h"
#include "TMenuViewers.h"

#include <memory>
#include <vector>

class TMenuItem;

// A menu with an item tree: the root item Items() holds the top-level items, each item
// its sub-items. A layout writes the items nested in the menu's block. Every change of
// an item of the tree reaches OnChange, so that whatever shows the menu can refresh.
class TMenu : public TComponent {
    T_CLASS_INFO
public:
    // The menu keeps root as its item tree; root has no owner.
    TMenu(TComponent* owner, std::unique_ptr<TMenuItem> root);
    ~TMenu() override;

    TMenuItem* Items() const { return m_items.get(); }

    std::vector<TComponent*> ChildComponents(const TComponent* root) const override;

    // Sender, the item that changed (nullptr: the whole menu), whether the item tree
    // itself changed.
    TEvent<TObject*, TMenuItem*, bool> OnChange;

    // Controls that show the menu hear of the same changes without taking OnChange
    // from the menu's user.
    TMenuViewers& Viewers() { return m_viewers; }

protected:
    friend class TMenuItem;
    // Called for every change of an item of the tree and by derived menus for their
    // own settings; the base fires OnChange.
    virtual void ItemChanged(TMenuItem* source, bool rebuild);

private:
    std::unique_ptr<TMenuItem> m_items;
    TMenuViewers m_viewers{*this};
};
