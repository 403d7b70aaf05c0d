#pragma once

#include <QString>
#include <Qt>

class TCustomPopupMenu2000Form;
class T_AM2000_MenuTracker;

// The keys and the wheel in the window of the chain that takes them: moving the
// selection, opening and closing submenus, choosing, and the accelerator search.
class T_AM2000_MenuKeyboard {
public:
    // Wheel units of one step.
    static constexpr int WheelStep = 120;

    explicit T_AM2000_MenuKeyboard(T_AM2000_MenuTracker& tracker);

    // Returns whether the key was taken: by window, or else by one of the visible menu
    // bars, the newest first.
    bool KeyDown(TCustomPopupMenu2000Form& window, int key, Qt::KeyboardModifiers modifiers,
                 const QString& text);
    // Each full step up moves the selection up, each step down moves it down, stopping at
    // the ends.
    void Wheel(TCustomPopupMenu2000Form& window, int delta);

private:
    bool WindowKeyDown(TCustomPopupMenu2000Form& window, int key, Qt::KeyboardModifiers modifiers,
                       const QString& text);
    bool OfferToMenuBars(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    bool ArrowKey(TCustomPopupMenu2000Form& window, int key, Qt::KeyboardModifiers modifiers);
    void Move(TCustomPopupMenu2000Form& window, int step, bool wrap);
    void SearchAccelerator(TCustomPopupMenu2000Form& window, const QString& text);

    T_AM2000_MenuTracker& m_tracker;
    int m_wheelDelta = 0;
};
