#include "TPopupMenu.h"

#include "TClassInfo.h"
#include "TErrorReport.h"
#include "TMenuItem.h"

#include <QMenu>
#include <QPointer>
#include <algorithm>

namespace {
QPointer<QMenu> shownMenu;
}

const TClassInfo& TPopupMenu::StaticClassInfo()
{
    static const TClassInfo info("TPopupMenu", &TComponent::StaticClassInfo(),
                                 [](TClassInfo& c) { c.Creatable<TPopupMenu>(); });
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner)
{}

TPopupMenu::~TPopupMenu()
{
    for (TMenuItem* item : m_items)
        item->m_menu = nullptr;
}

void TPopupMenu::Add(TMenuItem* item)
{
    if (item->m_menu)
        item->m_menu->Remove(item);
    item->m_menu = this;
    m_items.push_back(item);
    ItemChanged(item, true);
}

void TPopupMenu::Remove(TMenuItem* item)
{
    std::erase(m_items, item);
    item->m_menu = nullptr;
    ItemChanged(item, true);
}

// Nothing shows a menu that is being read or freed.
void TPopupMenu::ItemChanged(TMenuItem* source, bool rebuild)
{
    if (!IsLoading() && !IsDestroying())
        m_viewers.Tell(source, rebuild);
}

void TPopupMenu::Popup(QPoint screenPosition)
{
    QMenu menu;
    for (TMenuItem* item : m_items) {
        if (!item->Visible())
            continue;
        QAction* action = menu.addAction(item->Caption());
        action->setEnabled(item->Enabled());
        QObject::connect(action, &QAction::triggered, &menu,
                         [item] { TErrorReport::Guard([item] { item->Click(); }); });
    }
    shownMenu = &menu;
    menu.exec(screenPosition);
    shownMenu = nullptr;
}

QMenu* TPopupMenu::ShownMenu()
{
    return shownMenu;
}

std::vector<TComponent*> TPopupMenu::ChildComponents(const TComponent* root) const
{
    std::vector<TComponent*> children;
    for (TMenuItem* item : m_items) {
        if (item->Owner() == root)
            children.push_back(item);
    }
    return children;
}
