#pragma once

#include <QString>

class TCustomMainMenu2000;
class TMenuItem2000;

// The hint of the selected drop-down entry: it becomes the program's current hint, and
// its long part goes to the main menu's status bar.
class T_AM2000_MenuHints {
public:
    // The part after the vertical bar (all of it without one), trimmed, with every "&#"
    // and the three characters after it made one space.
    static QString LongHint(const QString& hint);
    // item nullptr clears the hints; mainMenu may be nullptr.
    static void Show(const TMenuItem2000* item, const TCustomMainMenu2000* mainMenu);

private:
    static void ShowOnStatusBar(const TCustomMainMenu2000& mainMenu, const QString& text);
};
