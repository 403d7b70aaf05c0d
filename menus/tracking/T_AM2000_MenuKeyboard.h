#pragma once

#include <QString>
#include <Qt>
#include <functional>

class TCustomPopupMenu2000Form;
class T_AM2000_MenuBarList;
class T_AM2000_MenuChooser;
class T_AM2000_MenuNavigator;

// The keys and the wheel in the window of the chain that takes them: moving the
// selection, opening and closing submenus, choosing, and the accelerator search.
class T_AM2000_MenuKeyboard {
public:
    // Wheel units of one step.
    static constexpr int WheelStep = 120;

    T_AM2000_MenuKeyboard(T_AM2000_MenuNavigator& navigator, T_AM2000_MenuChooser& chooser,
                          T_AM2000_MenuBarList& bars);

    // Returns whether the key was taken: by an active edit box, by window, or else by
    // one of the visible menu bars, the newest first.
    bool KeyDown(TCustomPopupMenu2000Form& window, int key, Qt::KeyboardModifiers modifiers,
                 const QString& text);
    // Each full step up moves the selection up, each step down moves it down, stopping at
    // the ends.
    void Wheel(TCustomPopupMenu2000Form& window, int delta);

    // What sounds when a typed key chooses nothing (QApplication::beep by default).
    std::function<void()> SetBeep(std::function<void()> beep);

private:
    bool WindowKeyDown(TCustomPopupMenu2000Form& window, int key, Qt::KeyboardModifiers modifiers,
                       const QString& text);
    bool ArrowKey(TCustomPopupMenu2000Form& window, int key, Qt::KeyboardModifiers modifiers);
    void Move(TCustomPopupMenu2000Form& window, int step, bool wrap);
    void SearchAccelerator(TCustomPopupMenu2000Form& window, const QString& text);

    T_AM2000_MenuNavigator& m_navigator;
    T_AM2000_MenuChooser& m_chooser;
    T_AM2000_MenuBarList& m_bars;
    std::function<void()> m_beep;
    int m_wheelDelta = 0;
};
