#pragma once

#include <QString>

class TApplication;

// The program's start: the command line (see TCommandLine), the application object and
// its title, the main window, the hidden dialog template, then the event loop (or, with
// --screenshot FILE, a screenshot of the started main window).
class TStartup {
public:
    // Exit code when no window system can be reached.
    static constexpr int NoDisplay = 1;

    static int Run(int argc, char** argv);
    // Registers the classes, sets the title and creates the main window and the hidden
    // dialog template; false after reporting an error.
    static bool CreateWindows(TApplication& application);

private:
    // Chooses the offscreen platform for a screenshot when no platform is set and no
    // display is known; false (after saying so) when a window must be shown but cannot.
    static bool ChoosePlatform(bool screenshot);
    // Reports a catalogue named on the command line that cannot be opened, once the
    // window is up; the window opens all the same.
    static void CheckCatalogue(const QString& path);
};
