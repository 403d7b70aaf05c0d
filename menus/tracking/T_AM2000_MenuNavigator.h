#pragma once

#include <QPoint>

class TCustomPopupMenu2000Form;
class T_AM2000_MenuBarList;
class T_AM2000_MenuChain;
class T_AM2000_MenuOpener;

// Moves through the open chain: which entry is selected, when submenus open after their
// delays and close again, expanding a window's hidden items, and closing windows or the
// whole chain.
class T_AM2000_MenuNavigator {
public:
    T_AM2000_MenuNavigator(T_AM2000_MenuChain& chain, T_AM2000_MenuOpener& opener,
                           T_AM2000_MenuBarList& bars);

    // Selects an entry (or a zone code): the old one hears that it lost the selection,
    // the new one that it has it, and the new one's hint shows.
    void SelectEntry(TCustomPopupMenu2000Form& window, int index);
    // Moves the selection to index, or the next selectable entry beyond it in the
    // direction of the move; wrap decides whether it goes round at the ends.
    void MoveSelection(TCustomPopupMenu2000Form& window, int index, bool wrap = true);
    // Opens the selected entry's submenu (its first entry selected with selectFirst); a
    // selected entry without one closes the open submenu.
    void OpenSubmenu(TCustomPopupMenu2000Form& window, bool selectFirst);
    // The entry at index stays selected while its context menu is open at the cursor,
    // as an opener does.
    void OpenContextMenu(TCustomPopupMenu2000Form& window, int index, QPoint cursor);
    // Shows the window's hidden items, with the selection cleared.
    void Expand(TCustomPopupMenu2000Form& window);

    // The selected entry's submenu opens (or the open one closes) after the submenu
    // delay, or the quick delay.
    void StartSubmenuTimer(TCustomPopupMenu2000Form& window, bool quick);
    // Stops a pending submenu timer: the pointer moved on.
    void StopSubmenuTimer();

    // Closes window and its submenus; the top window closes the whole chain.
    void CloseWindow(TCustomPopupMenu2000Form& window);
    // Closes every window; with resetBars the menu bars return to their idle state and
    // the main menu hears that its menus closed.
    void CloseAllMenus(bool resetBars);

private:
    bool Selectable(const TCustomPopupMenu2000Form& window, int index) const;
    void SubmenuTimerFired(TCustomPopupMenu2000Form& window);

    T_AM2000_MenuChain& m_chain;
    T_AM2000_MenuOpener& m_opener;
    T_AM2000_MenuBarList& m_bars;
};
