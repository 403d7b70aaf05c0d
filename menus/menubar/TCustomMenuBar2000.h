#pragma once

#include "I_AM2000_MenuBar.h"
#include "TCustomControl.h"
#include "T_AM2000_BarItems.h"
#include "T_AM2000_MenuBarTypes.h"

#include <functional>
#include <memory>

class QHelpEvent;
class TBitmap;
class TCustomMainMenu2000;
class TCustomPopupMenu2000;
class TCustomPopupMenu2000Form;
class T_AM2000_MenuBarKeys;
class T_AM2000_MenuOptions;
class T_AM2000_RaisedItemForm;

// A row of the top-level items of a main menu inside a window. It draws them with the
// drop-down item renderer, opens their drop-downs through its own popup menu, follows
// the mouse from item to item and takes the menu keys (Alt, F10, Alt+letter, arrows)
// that reach it. It is listed with the menu tracking while it exists.
class TCustomMenuBar2000 : public TCustomControl, public I_AM2000_MenuBar {
    T_CLASS_INFO
public:
    // Hovering an item opens its drop-down after HotTrackDelay with HotTrack, else the
    // highlight goes after IdleDelay once the pointer has left; milliseconds.
    static constexpr int HotTrackDelay = 200;
    static constexpr int IdleDelay = 500;

    explicit TCustomMenuBar2000(TComponent* owner);
    ~TCustomMenuBar2000() override;

    TCustomMainMenu2000* Menu() const { return m_menu; }
    void SetMenu(TCustomMainMenu2000* menu);
    // The parent's image shows through the bar.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    T_AM2000_FlatStyle Flat() const { return m_flat; }
    void SetFlat(T_AM2000_FlatStyle flat);
    // Drop-downs open on hovering, and close a while after the pointer left them.
    bool HotTrack() const { return m_hotTrack; }
    void SetHotTrack(bool hotTrack) { m_hotTrack = hotTrack; }
    // A bar of its own bounds (alNone) widens to its items whenever they need more than
    // its width, so that none is cut off; off by default, where it keeps its width.
    void SetWidensToItems(bool widens);
    // A fixed product-and-build text. Read-only: a layout that sets it is refused.
    QString Version() const;
    void SetVersion(const QString& version);

    const T_AM2000_BarItems& BarItems() const { return m_items; }
    T_AM2000_BarState BarState() const { return m_state; }
    // The highlighted (or open) item, nullptr for none, and its index in BarItems.
    TMenuItem2000* CurrentItem() const;
    int CurrentIndex() const { return m_current; }
    // Entered by Alt or F10: an item is current without its drop-down.
    bool KeyboardMode() const { return m_keyboardMode; }
    // Accelerator underlines: on after Alt, and while the desktop's keyboard-cue setting
    // is on. The open drop-down shows them too.
    bool ShowUnderlines() const { return m_showUnderlines; }
    void SetShowUnderlines(bool show);
    // The desktop underlines accelerators all the time: the style's shortcut hint, unless
    // a source is installed.
    static bool SystemUnderlines();
    using UnderlinesSource = std::function<bool()>;
    // Installs a source of that setting; returns the previous one. An empty source asks
    // the style again.
    static UnderlinesSource SetSystemUnderlinesSource(UnderlinesSource source);
    // The item raised above its drop-down (mfRaiseMenuBarItem), nullptr before the first.
    const T_AM2000_RaisedItemForm* RaisedItem() const { return m_raised.get(); }
    // The bar's drop-down is the open menu chain.
    bool DropDownOpen() const;
    // Where item is shown: a top item on the bar, or an entry of a window of the bar's
    // open drop-down chain. Returns the widget showing it, with local set to the item's
    // centre in that widget; nullptr when it is shown in neither.
    QWidget* ItemPlace(const TMenuItem2000& item, QPoint& local);

    // Makes item current and opens its drop-down, when it is enabled and has a submenu;
    // with selectFirst (and always in keyboard mode) its first entry is selected.
    // Returns the open window, or nullptr.
    TCustomPopupMenu2000Form* OpenBarItem(TMenuItem2000* item, bool selectFirst);
    // Keyboard mode on the first item, no drop-down yet.
    void EnterKeyboardMode();
    // Makes the item at index current: its drop-down opens when one was open (and the
    // first entry is selected), otherwise it is highlighted in keyboard mode.
    void MoveToItem(int index);
    // The item takes part in an Alt+letter search, nullptr when none has that accelerator.
    TMenuItem2000* ItemWithAccelerator(const QString& typed) const;
    // Rebuilds BarItems after a change of the menu, its items or settings, the font or
    // the parent's size, and repaints.
    void Rebuild();

    // I_AM2000_MenuBar
    QWidget* BarWidget() override { return this; }
    void ResetBar() override;
    bool BarKeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text) override;

    T_AM2000_MenuBarPopupEvent OnPopup;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void CMMouseLeave() override;
    void FontChanged() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tooltips: the short hint of the item under the pointer, when the menu shows hints;
    // a new parent lays the items out again.
    bool event(QEvent* event) override;

private:
    void SetState(T_AM2000_BarState state, int current);
    // Returns whether the state or the current item changed; repaints nothing.
    bool ChangeState(T_AM2000_BarState state, int current);
    void RepaintAfterFirstFrame(TCustomPopupMenu2000Form& window);
    void TakeWindowMenu();
    // The menu's options with the bar's alignment and margins.
    std::unique_ptr<T_AM2000_MenuOptions> BarOptions() const;
    void ShowRaisedItem(int index);
    void HideRaisedItem();
    int AvailableWidth() const;
    void PaintBuffer();
    void PaintBackground(TCanvas& canvas);
    void PaintItem(TCanvas& canvas, int index);
    int ItemDrawState(int index) const;
    void PressItem(int index);
    void HoverItem(int index);
    // The pointer over another item while a drop-down is open or in keyboard mode.
    void SwitchToItem(int index);
    void LeaveCurrentItemFor(int index, bool nextOpens);
    void HoverTimerFired(bool open);
    bool PointerOverBarOrMenu() const;
    void StartExpandTimer(TCustomPopupMenu2000Form& window);
    bool OwnsKey(QObject* watched) const;
    QRect ItemOnScreen(int index) const;
    void ShowToolTip(const QHelpEvent& help);

    TCustomMainMenu2000* m_menu = nullptr;
    bool m_transparent = false;
    T_AM2000_FlatStyle m_flat = T_AM2000_FlatStyle::fsDefault;
    bool m_hotTrack = false;
    bool m_widensToItems = false;
    T_AM2000_BarItems m_items;
    T_AM2000_BarState m_state = T_AM2000_BarState::bsIdle;
    int m_current = -1;
    // A held left button on an item without a submenu.
    bool m_pressed = false;
    bool m_keyboardMode = false;
    bool m_showUnderlines = false;
    std::unique_ptr<T_AM2000_MenuOptions> m_drawingOptions;
    std::unique_ptr<TCustomPopupMenu2000> m_dropDownMenu;
    std::unique_ptr<TBitmap> m_buffer;
    std::unique_ptr<T_AM2000_MenuBarKeys> m_keys;
    std::unique_ptr<T_AM2000_RaisedItemForm> m_raised;
};
