#pragma once

#include "T_AM2000_AnimationKind.h"
#include "T_AM2000_WindowPlacement.h"
#include "T_AM2000_WindowPool.h"

#include <QPoint>
#include <functional>

class TCustomPopupMenu2000Form;

// Brings drop-down windows onto the screen: places them beside their opener, a popup
// menu's or a context window at the cursor, and shows them growing with their
// animation, at their menu's opacity and with their drop shadow. An open window that
// shows its hidden items slides to its new height. Windows and shadows are shown in
// native windows the opener keeps from one opening to the next.
class T_AM2000_MenuOpener {
public:
    // A submenu overlaps its parent window by this much.
    static constexpr int SubmenuOverlap = 5;

    // Told when a window has grown to its place.
    void SetOpened(std::function<void(TCustomPopupMenu2000Form&)> opened)
    {
        m_opened = std::move(opened);
    }

    // Beside its parent, level with the parent's selected entry, animated as the parent
    // gives its submenus.
    void ShowSubmenu(TCustomPopupMenu2000Form& child);
    // A context window of an entry, at the cursor, animated as the parent gives its
    // submenus.
    void ShowContextMenu(TCustomPopupMenu2000Form& child, QPoint cursor);
    // The top window of a popup menu, at the cursor, animated as its options say.
    void ShowPopup(TCustomPopupMenu2000Form& window, QPoint cursor);
    // At a screen position, at full size and without animation.
    void ShowAt(TCustomPopupMenu2000Form& window, QPoint screenPosition);
    // Shows a window growing into its placement as kind says, at its menu's opacity,
    // with its drop shadow (systemShadow: the menu follows the desktop's setting) and
    // above the chain's windows.
    void Show(TCustomPopupMenu2000Form& window, const T_AM2000_AnimationKind::Resolved& kind,
              const T_AM2000_WindowPlacement::Placement& placement, bool systemShadow);
    // The window keeps its place and grows from fromHeight to its new height.
    void SlideExpansion(TCustomPopupMenu2000Form& window, int fromHeight);

    // The window painted anew: while it animates, its animator shows the new image.
    static void ShowChanges(TCustomPopupMenu2000Form& window);
    // How the window opened; for a window not opened animated, how its options say it
    // would.
    static T_AM2000_Animation OpenedWith(const TCustomPopupMenu2000Form& window);

    // The native windows kept for the windows and shadows of the chain.
    T_AM2000_WindowPool& Pool() { return m_pool; }

private:
    void ShowAnimated(TCustomPopupMenu2000Form& child,
                      const T_AM2000_WindowPlacement::Request& request);
    void Host(TCustomPopupMenu2000Form& window);

    std::function<void(TCustomPopupMenu2000Form&)> m_opened;
    T_AM2000_WindowPool m_pool;
};
