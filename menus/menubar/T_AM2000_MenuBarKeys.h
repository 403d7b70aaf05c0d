#pragma once

#include <QString>
#include <Qt>

class TCustomMenuBar2000;

// The keys of a menu bar: Alt or F10 alone for keyboard mode, Alt+letter for an item's
// drop-down, and in keyboard mode (or with a drop-down open) the arrows, Tab, Enter,
// Space, Escape and accelerator letters.
class T_AM2000_MenuBarKeys {
public:
    explicit T_AM2000_MenuBarKeys(TCustomMenuBar2000& bar);

    // Return whether the bar took the key.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    bool KeyUp(int key, Qt::KeyboardModifiers modifiers);

private:
    bool AltLetter(int key, const QString& typed);
    bool RunShortCut(int key);
    bool NavigationKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void Step(int step);
    bool Navigating() const;

    TCustomMenuBar2000& m_bar;
    // Alt or F10 went down with no other key since: its release enters keyboard mode.
    int m_aloneKey = 0;
};
