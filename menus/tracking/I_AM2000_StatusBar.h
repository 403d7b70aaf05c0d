#pragma once

#include <QString>

// A status bar as the menus see it: the control named by a main menu's StatusBar shows
// the long hint of the selected entry when it offers this.
class I_AM2000_StatusBar {
public:
    virtual ~I_AM2000_StatusBar() = default;
    // The bar shows one simple text instead of its panels.
    virtual bool SimplePanel() const = 0;
    virtual int PanelCount() const = 0;
    virtual void SetSimpleText(const QString& text) = 0;
    virtual void SetPanelText(int index, const QString& text) = 0;
};
