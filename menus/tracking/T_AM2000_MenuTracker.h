#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class I_AM2000_MenuBar;
class ISoundPlayer;
class TCustomPopupMenu2000;
class TCustomPopupMenu2000Form;
class TMenuItem2000;
class T_AM2000_MenuBarList;
class T_AM2000_MenuChain;
class T_AM2000_MenuChooser;
class T_AM2000_MenuInputFilter;
class T_AM2000_MenuKeyboard;
class T_AM2000_MenuNavigator;
class T_AM2000_MenuOpener;
class T_AM2000_MenuPointer;

// The menu tracking of the whole program, one for the application: it opens the chain
// of drop-down windows of the current menu and hands the program's input to it while it
// is open. The windows never take the focus; an application event filter passes the
// mouse to the pointer handling and the keys to the keyboard handling. The parts behind
// it: the chain of windows, the opener that places and animates them, the navigator
// that moves the selection and opens and closes submenus, the chooser that runs the
// chosen entries, and the list of menu bars.
class T_AM2000_MenuTracker : public QObject {
public:
    static T_AM2000_MenuTracker& Instance();
    ~T_AM2000_MenuTracker() override;

    // Makes menu's drop-down of item's submenu (or context menu) the top window of the
    // current chain, closing any other first; whoever opens it places and shows it.
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
    TCustomPopupMenu2000Form* TopWindow() const;
    // The last window of the chain: the one that takes the keys.
    TCustomPopupMenu2000Form* DeepestWindow() const;
    void CloseAllMenus(bool resetBars);

    T_AM2000_MenuChain& Chain() const { return *m_chain; }
    T_AM2000_MenuOpener& Opener() const { return *m_opener; }
    T_AM2000_MenuNavigator& Navigator() const { return *m_navigator; }
    T_AM2000_MenuChooser& Chooser() const { return *m_chooser; }
    T_AM2000_MenuPointer& Pointer() const { return *m_pointer; }
    T_AM2000_MenuKeyboard& Keyboard() const { return *m_keyboard; }
    T_AM2000_MenuBarList& MenuBars() const { return *m_bars; }

private:
    T_AM2000_MenuTracker();

    std::unique_ptr<T_AM2000_MenuBarList> m_bars;
    std::unique_ptr<T_AM2000_MenuChain> m_chain;
    std::unique_ptr<T_AM2000_MenuOpener> m_opener;
    std::unique_ptr<T_AM2000_MenuNavigator> m_navigator;
    std::unique_ptr<T_AM2000_MenuChooser> m_chooser;
    std::unique_ptr<T_AM2000_MenuPointer> m_pointer;
    std::unique_ptr<T_AM2000_MenuKeyboard> m_keyboard;
    std::unique_ptr<T_AM2000_MenuInputFilter> m_filter;
};
