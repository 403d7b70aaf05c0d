#pragma once

#include <functional>

// The desktop settings that decide how drop-down menus open: taken from Qt's effect
// flags and style hints, with fixed defaults where Qt knows no such setting. Tests
// install their own source.
struct T_AM2000_SystemSettings {
    // False when there is no application object to ask; the menus then animate as if
    // animation were on and fading off.
    bool known = true;
    bool menuAnimation = true; // Qt::UI_AnimateMenu
    bool menuFade = false;     // Qt::UI_FadeMenu
    // Qt has no drop-shadow setting for menus; shadows are on, as on most desktops.
    bool menuDropShadow = true;
    bool selectionFade = false; // the style's SH_Menu_FadeOutOnHide
    // Per-window opacity composed by the window system: on Wayland, which always
    // composes. Elsewhere translucency and shadows are blended in software.
    bool layeredWindows = false;

    using Source = std::function<T_AM2000_SystemSettings()>;

    // The settings of the installed source, or of the running application.
    static T_AM2000_SystemSettings Current();
    // Installs a source; returns the previous one. An empty source restores the
    // application's settings.
    static Source SetSource(Source source);

private:
    static T_AM2000_SystemSettings FromApplication();
};
