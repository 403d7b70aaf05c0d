#pragma once

#include "TPersistent.h"

class TMenuItem;
class TMenuItem2000;

// The item tree of a menu as the menu publishes it (Items): at run time it forwards to
// the menu's root item. Layouts write the items themselves nested in the menu's block.
class TEditableMenuItem2000 : public TPersistent {
    T_CLASS_INFO
public:
    explicit TEditableMenuItem2000(TMenuItem2000* root);

    TMenuItem2000* Root() const { return m_root; }
    int Count() const;
    // Raises EListError for an index outside 0..Count() - 1.
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);

private:
    TMenuItem2000* m_root;
};
