#pragma once

#include "TBitmap.h"
#include "TComponent.h"
#include "TEvent.h"
#include "TSet.h"

#include <QRect>
#include <memory>
#include <vector>

class TCanvas;
class TMenu;
class TMenuViewers;
class TPopupMenu;

// The states an owner-drawn item is drawn in.
enum class TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// Owner measuring and drawing of an item: sender and canvas, then the width and height
// to change, or the item's rectangle and whether it is selected, or its states.
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, const QRect&, bool>;
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, const QRect&, TOwnerDrawState>;

// One entry of a menu: a caption, its states and what a click does. An item either
// sits in a context menu's flat list (TPopupMenu) or in the item tree of a TMenu, where
// its sub-items are its children; the tree's root is the menu's Items.
class TMenuItem : public TComponent {
    T_CLASS_INFO
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // A radio item shows a radio mark instead of a check mark when checked.
    bool RadioItem() const { return m_radioItem; }
    void SetRadioItem(bool radioItem);
    // The default item of a submenu is drawn in bold.
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    // Short and long hint, separated by a vertical bar.
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    // Image of the menu's image list; -1 is none.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    // The item's glyph; owned by the item, never null. Its changes count as item changes.
    TBitmap* Bitmap() const { return m_bitmap.get(); }
    void SetBitmap(const TBitmap* bitmap);

    // A caption of a single hyphen makes the item a separator line.
    bool IsLine() const;

    // --- Item tree ------------------------------------------------------------------

    TMenuItem* Parent() const { return m_parent; }
    int Count() const { return int(m_items.size()); }
    // Raises EListError for an index outside 0..Count() - 1.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const;
    // Adds item at the end or before index (0..Count()); the item leaves its former
    // parent first. Raises EInvalidOperation for the item itself or one of its parents,
    // and EListError for an index out of range.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // The menu whose tree holds this item, or nullptr.
    TMenu* GetParentMenu() const;
    // Who hears of this item's changes: the viewers of the menu whose tree holds it, or
    // of the popup menu that lists the top of its tree; nullptr for an item of neither.
    TMenuViewers* Viewers() const;

    TPopupMenu* Menu() const { return m_menu; }
    // Runs OnClick when the item is enabled.
    void Click();

    void SetParentComponent(TComponent* parent) override;
    bool HasParentComponent() const override { return m_menu != nullptr || m_parent != nullptr; }
    std::vector<TComponent*> ChildComponents(const TComponent* root) const override;

    TNotifyEvent OnClick;
    // Owner drawing: a menu that draws its items itself asks these first.
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

protected:
    // Tells the menu of the tree that this item changed (rebuild: the item tree changed).
    void Changed(bool rebuild = false);
    // Whether the layout writer writes Hint; a derived item can leave out a hint that
    // it would get anyway.
    virtual bool IsHintStored() const { return true; }

private:
    friend class TPopupMenu;
    friend class TMenu;
    const TMenuItem& Root() const;
    bool Contains(const TMenuItem* item) const;
    int LastPosition(const TMenuItem* item) const;

    TPopupMenu* m_menu = nullptr;
    TMenu* m_rootOf = nullptr; // the menu whose root item this is
    TMenuItem* m_parent = nullptr;
    std::vector<TMenuItem*> m_items;
    QString m_caption;
    QString m_hint;
    std::unique_ptr<TBitmap> m_bitmap;
    int m_imageIndex = -1;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_radioItem = false;
    bool m_default = false;
};
