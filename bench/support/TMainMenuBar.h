#pragma once

#include "TForm.h"
#include "TMainMenuDropDowns.h"
#include "TMenuBar2000.h"

#include <QPoint>

// The main window's menu in a menu bar of the main window's bar size, shown in a host
// window of its own: what the menu benchmarks press on. Needs the application, and
// silences Qt's messages, which would drown the printed figures.
class TMainMenuBar {
public:
    TMainMenuBar();

    const TForm& Host() const { return m_host; }
    TMainMenuDropDowns& Menus() { return m_menus; }
    // Where the first item's drop-down opens, on the screen.
    QPoint BelowFirstItem() const;

    // Presses the first item, which opens its drop-down.
    void PressFirstItem();
    // Releases the press and closes every menu, the freed windows gone.
    void CloseMenus();

private:
    QPoint FirstItemCentre() const;

    TMainMenuDropDowns m_menus;
    TForm m_host{nullptr};
    TMenuBar2000 m_bar{nullptr};
};
