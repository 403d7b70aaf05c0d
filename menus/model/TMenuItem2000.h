#pragma once

#include "I_AM2000_OptionsOwner.h"
#include "TControl.h"
#include "TMenuItem.h"
#include "TShortCut.h"
#include "T_AM2000_Types.h"

#include <QRect>
#include <memory>

class TCanvas;
class TMenu;
class TPopupMenu;
class T_AM2000_ButtonArrayControl;
class T_AM2000_ButtonControl;
class T_AM2000_EditControl;
class T_AM2000_ItemOptions;
class T_AM2000_MenuControl;

// May cancel the built-in drawing of an item: sender, canvas, the item's rectangle, its
// draw state bits, and Cancel (false on entry).
using T_AM2000_MenuBeforeDrawItemEvent = TEvent<TObject*, TCanvas*, const QRect&, int, bool&>;
// A drag of the item starts in customising mode (sender), or ends over target (or
// nullptr) at x, y.
using T_AM2000_StartDragEvent = TEvent<TObject*>;
using T_AM2000_EndDragEvent = TEvent<TObject*, TObject*, int, int>;

// One item of the animated menu system; its sub-items are its children. Besides the
// platform item's caption, states and glyph it has an embedded control, a stock glyph
// number, per-item options that decide the look of its submenu, a shortcut given as
// text, and the number of glyphs in its bitmap.
class TMenuItem2000 : public TMenuItem, public I_AM2000_OptionsOwner {
    T_CLASS_INFO
public:
    static constexpr int MaxGlyphs = 4;

    explicit TMenuItem2000(TComponent* owner);
    ~TMenuItem2000() override;

    // The parent item when it is one of ours, else nullptr.
    TMenuItem2000* ParentItem() const;

    T_AM2000_MenuControlType Control() const { return m_control; }
    // A new type replaces the control settings by fresh ones of the type's class.
    void SetControl(T_AM2000_MenuControlType type);
    // The settings of the embedded control, of the class that Control selects (the
    // settings-free base for ctlNone); never null.
    T_AM2000_MenuControl* ControlOptions() const { return m_controlOptions.get(); }
    // The control of that class; raise EInvalidOperation "<Name>: This is not a ..."
    // when the item holds another type.
    T_AM2000_ButtonControl* ButtonControl() const;
    T_AM2000_ButtonArrayControl* ButtonArrayControl() const;
    T_AM2000_EditControl* EditControl() const;

    // The item may be hidden as rarely used.
    bool Demotable() const { return m_demotable; }
    void SetDemotable(bool demotable);
    // A rarely used item, left out until its menu is expanded.
    bool Hidden() const { return m_hidden; }
    void SetHidden(bool hidden);
    // Context menu of the item.
    TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu* menu);
    // A menu whose items are shown as this item's submenu.
    TMenu* AttachMenu() const { return m_attachMenu; }
    void SetAttachMenu(TMenu* menu);
    // Number of a stock glyph; -1 none.
    int DefaultIndex() const { return m_defaultIndex; }
    void SetDefaultIndex(int index);

    // The item's options, created on first read; HasOptions() tells whether they exist.
    T_AM2000_ItemOptions* Options() const;
    bool HasOptions() const { return m_options != nullptr; }

    // The shortcut as text ("Ctrl+S"); empty or the single character with code 1 for
    // none. Raises EInvalidOperation "Invalid shortcut: '<text>'" for a text that names
    // no key, and then keeps the shortcut it had.
    const QString& ShortCutText() const { return m_shortCutText; }
    void SetShortCutText(const QString& text);
    // The key code of the shortcut text (scNone for none).
    TShortCut ShortCut() const { return m_shortCut; }
    // The hint the item shows, wherever it shows one: its own Hint; when that is empty,
    // the stock hint of its caption; none for the single character with code 1.
    QString ShownHint() const;

    // Glyphs side by side in Bitmap: 1 to 4 (normal, disabled, selected, down); anything
    // else raises EInvalidOperation "Value must be between 1 and 4.".
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);

    void OptionsChanged() override;

    T_AM2000_MenuBeforeDrawItemEvent OnBeforeDrawItem;
    // Coordinates relative to the item's rectangle.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    // The item becomes, or stops being, the selected item.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    T_AM2000_StartDragEvent OnStartDrag;
    T_AM2000_EndDragEvent OnEndDrag;

protected:
    bool IsHintStored() const override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool IsShortCutStored() const;
    bool IsOptionsStored() const;
    template <class C> C* ControlOf(const char* kindName) const;

    T_AM2000_MenuControlType m_control = T_AM2000_MenuControlType::ctlNone;
    std::unique_ptr<T_AM2000_MenuControl> m_controlOptions;
    mutable std::unique_ptr<T_AM2000_ItemOptions> m_options;
    TPopupMenu* m_popupMenu = nullptr;
    TMenu* m_attachMenu = nullptr;
    QString m_shortCutText;
    TShortCut m_shortCut = scNone;
    int m_defaultIndex = -1;
    int m_numGlyphs = 1;
    bool m_demotable = true;
    bool m_hidden = false;
};
