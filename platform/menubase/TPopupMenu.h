#pragma once

#include "TComponent.h"
#include "TMenuViewers.h"

#include <QPoint>
#include <vector>

class QMenu;
class TMenuItem;

// A context menu shown by a control on a right click: the platform's own pop-up menu
// with the items' captions and states. Items are components of the form, listed in
// the menu in the order they were added.
class TPopupMenu : public TComponent {
    T_CLASS_INFO
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    const std::vector<TMenuItem*>& Items() const { return m_items; }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);

    // Shows the menu at a screen position and runs the chosen item's click; returns
    // when the menu is closed.
    virtual void Popup(QPoint screenPosition);
    // The menu as it is while shown (nullptr otherwise), so tests can choose an item.
    static QMenu* ShownMenu();

    std::vector<TComponent*> ChildComponents(const TComponent* root) const override;

    // Whatever shows the menu hears of every change of its items and of theirs, and of
    // items coming and going.
    TMenuViewers& Viewers() { return m_viewers; }

private:
    friend class TMenuItem;
    void ItemChanged(TMenuItem* source, bool rebuild);

    std::vector<TMenuItem*> m_items;
    TMenuViewers m_viewers{*this};
};
