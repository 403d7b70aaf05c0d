#pragma once

#include "T_AM2000_AnimationKind.h"
#include "T_AM2000_WindowPlacement.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class I_AM2000_MenuBar;
class ISoundPlayer;
class TCustomPopupMenu2000;
class TCustomPopupMenu2000Form;
class TMenuItem2000;
class T_AM2000_MenuInputFilter;
class T_AM2000_MenuKeyboard;
class T_AM2000_MenuScroller;
class T_AM2000_MenuEditor;
class T_AM2000_MenuWatch;
class T_AM2000_SelectionFade;

// The open menu chain of the whole program: the current menu with its top window and
// the submenu windows opened from it, what the mouse does over them, opening and closing
// submenus, choosing entries and closing everything. The drop-down windows never take
// the focus: an application event filter hands input to the tracker.
class T_AM2000_MenuTracker : public QObject {
public:
    static constexpr const char* CommandSound = "menu-click";
    // A submenu overlaps its parent window by this much.
    static constexpr int SubmenuOverlap = 5;

    static T_AM2000_MenuTracker& Instance();
    ~T_AM2000_MenuTracker() override;

    // Makes menu's drop-down of item's submenu (or context menu) the top window of the
    // current chain, closing any other first; its opener places and shows it.
    TCustomPopupMenu2000Form* Open(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                                   bool contextMenu = false);
    // The same, shown at a screen position at full size and without animation.
    TCustomPopupMenu2000Form* Popup(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                                    QPoint screenPosition);
    // A popup menu opening at the cursor: holder's context menu, placed as a popup menu
    // is and animated; nullptr when it has no animated item.
    TCustomPopupMenu2000Form* PopupAnimated(TCustomPopupMenu2000& menu, TMenuItem2000& holder,
                                            QPoint cursor);
    TCustomPopupMenu2000* CurrentMenu() const;
    TCustomPopupMenu2000Form* TopWindow() const { return m_topAlive ? m_top : nullptr; }
    // The last window of the chain: the one that takes the keys.
    TCustomPopupMenu2000Form* DeepestWindow() const;
    // The chain window under a screen point, the deepest first; nullptr for none.
    TCustomPopupMenu2000Form* WindowAt(QPoint screenPoint) const;
    // object is an open window of the chain.
    bool InChain(const QObject* object) const;

    // The open chain closes a while after the pointer left it for somewhere outside all
    // menus (a menu bar's drop-downs opened by hovering). Off for every new chain.
    void SetHotTracking(bool hotTracking) { m_hotTracking = hotTracking; }
    bool HotTracking() const { return m_hotTracking; }

    void RegisterMenuBar(I_AM2000_MenuBar* bar);
    void UnregisterMenuBar(I_AM2000_MenuBar* bar);
    const std::vector<I_AM2000_MenuBar*>& MenuBars() const { return m_bars; }
    bool OverMenuBar(QPoint screenPoint) const;

    // Mouse input in window coordinates.
    void MouseMove(TCustomPopupMenu2000Form& window, QPoint point);
    // The left button went down: on the scroll bar of a scrolling window it scrolls.
    void MouseDown(TCustomPopupMenu2000Form& window, QPoint point);
    // screenPoint: where the pointer went.
    void MouseLeave(TCustomPopupMenu2000Form& window, QPoint screenPoint);
    void MouseUp(TCustomPopupMenu2000Form& window, QPoint point);
    // The right button over an entry asks its main menu for a context menu, and opens the
    // entry's own context menu at the pointer as a further window of the chain.
    void RightMouseUp(TCustomPopupMenu2000Form& window, QPoint point);

    void OpenSubmenu(TCustomPopupMenu2000Form& window, bool selectFirst);
    void ExecuteEntry(TCustomPopupMenu2000Form& window, TMenuItem2000& item);
    // Moves the selection to index, or the next selectable entry beyond it in the
    // direction of the move; wrap decides whether it goes round at the ends.
    void MoveSelection(TCustomPopupMenu2000Form& window, int index, bool wrap = true);
    // Shows the window's hidden items, with the selection cleared.
    void Expand(TCustomPopupMenu2000Form& window);
    // Like a click on the selected entry: opens its submenu, or shows it pressed and
    // chooses it after the press pause.
    void ClickSelected(TCustomPopupMenu2000Form& window);
    // A chosen entry shows pressed until its command runs after the press pause.
    bool Choosing() const;
    // Shows a window growing into its placement as kind says, at its menu's opacity, with
    // its drop shadow (systemShadow: the menu follows the desktop's setting) and above the
    // chain's windows; a selected entry's submenu timer starts once it is there.
    void Animate(TCustomPopupMenu2000Form& window, const T_AM2000_AnimationKind::Resolved& kind,
                 const T_AM2000_WindowPlacement::Placement& placement, bool systemShadow);
    // Closes window and its submenus; the top window closes the whole chain.
    void CloseWindow(TCustomPopupMenu2000Form& window);
    void CloseAllMenus(bool resetBars);

    // The edit box of an edit-box entry that the user is typing into; nullptr for none.
    T_AM2000_MenuEditor* Editor() const { return m_editor.get(); }
    // While an edit box is active every key goes to it: Enter takes the text and chooses
    // the entry, Escape ends editing with the text as it was. False when none is active.
    bool EditorKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);

    T_AM2000_MenuKeyboard& Keyboard() const { return *m_keyboard; }
    // The picture of the entry chosen last while it fades out; nullptr once it is gone.
    T_AM2000_SelectionFade* SelectionFade() const;

    // The player of the command sound (the desktop's by default); not owned.
    ISoundPlayer* SetSoundPlayer(ISoundPlayer* player);
    // What sounds when a typed key chooses nothing (QApplication::beep by default).
    std::function<void()> SetBeep(std::function<void()> beep);
    void Beep() const;

private:
    T_AM2000_MenuTracker();
    void Track(TCustomPopupMenu2000Form& window);
    void SelectEntry(TCustomPopupMenu2000Form& window, int index);
    void ReselectOpener(TCustomPopupMenu2000Form& window);
    void StartSubmenuTimer(TCustomPopupMenu2000Form& window, bool quick);
    // Stops a pending submenu or leave timer: the pointer is back over the chain.
    void StopSubmenuTimer();
    void StopLeaveTimer();
    void SubmenuTimerFired(TCustomPopupMenu2000Form& window);
    void PressPauseOver(TCustomPopupMenu2000Form& window);
    void FinishEditing(bool accepted);
    void CloseChildOf(TCustomPopupMenu2000Form& window);
    void HideWindow(TCustomPopupMenu2000Form& window);
    void TopWindowGone();
    void WatchMenuOf(const TMenuItem2000& item);
    void ItemsChanged(bool rebuild);
    void EntryFreed();
    void TakeInNewTree(TCustomPopupMenu2000Form& window);
    bool Selectable(const TCustomPopupMenu2000Form& window, int index) const;
    void OpenContextMenu(TCustomPopupMenu2000Form& window, int index, QPoint cursor);
    void ShowAnimated(TCustomPopupMenu2000Form& child,
                      const T_AM2000_WindowPlacement::Request& request);
    QPoint SubmenuAnchor(const TCustomPopupMenu2000Form& window) const;
    void SlideExpansion(TCustomPopupMenu2000Form& window, int fromHeight);
    bool FadesSelection(const TCustomPopupMenu2000Form& window, const TMenuItem2000& item) const;
    void FadeSelection(const TCustomPopupMenu2000Form& window, const TMenuItem2000& item);

    // Kept apart from its guard so that a window being freed is never cast.
    TCustomPopupMenu2000Form* m_top = nullptr;
    QPointer<QObject> m_topAlive;
    QMetaObject::Connection m_topGone;
    std::vector<QPointer<TCustomPopupMenu2000Form>> m_children;
    std::vector<I_AM2000_MenuBar*> m_bars;
    std::unique_ptr<T_AM2000_MenuKeyboard> m_keyboard;
    std::unique_ptr<T_AM2000_MenuInputFilter> m_filter;
    std::unique_ptr<T_AM2000_MenuScroller> m_scroller;
    std::unique_ptr<T_AM2000_MenuWatch> m_watch;
    std::unique_ptr<T_AM2000_MenuEditor> m_editor;
    QPointer<T_AM2000_SelectionFade> m_selectionFade;
    bool m_hotTracking = false;
    ISoundPlayer* m_sound;
    std::function<void()> m_beep;
};
