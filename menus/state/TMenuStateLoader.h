#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TCustomMainMenu2000;
class TMenuItem;
class TMenuItem2000;
class TRegistry;

// Applies a main menu's stored state when the menu has finished loading from its layout:
// the animation and flags of its "Options" key, the state strings of its named items,
// and the items added under "New Menu Items". Only in registry mode and for a named
// menu. A value that cannot be used is skipped with a warning naming its key and value,
// and everything else still applies; a damaged file leaves the layout's values.
class TMenuStateLoader {
public:
    static void Apply(TCustomMainMenu2000& menu);
    // The most items one stored "Count" may add under an item.
    static constexpr int MaxAddedItems = 1000;

private:
    // One step of the depth-first walk: an item, or the items added after its children.
    struct Step {
        TMenuItem2000* item;
        bool addItems;
    };

    TMenuStateLoader(TCustomMainMenu2000& menu, TRegistry& registry);
    void ApplyOptions();
    void ApplyItems();
    void WalkFrom(TMenuItem* item, std::vector<Step>& steps) const;
    void AddItems(TMenuItem2000* item);
    int AddedCount(const QString& key);
    void ApplyState(TMenuItem2000* item, const QString& text, const QString& where);
    void ApplyShortCut(TMenuItem2000* item, const QString& text, const QString& where);
    void MoveUnder(TMenuItem2000* item, const QString& parentName, const QString& where);
    void MoveTo(TMenuItem2000* item, int index);
    TMenuItem* FindItem(TMenuItem* from, const QString& name) const;
    void Warn(const QString& skipped, const QString& where, const QString& why) const;

    TCustomMainMenu2000& m_menu;
    TRegistry& m_registry;
    QString m_menuKey;
    QStringList m_itemsWithAdditions;
};
