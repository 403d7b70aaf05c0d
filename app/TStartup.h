#pragma once

#include <QStringList>

class TApplication;

// The program's start: the application object and its title, the main window, the
// hidden dialog template, then the event loop (or, with --screenshot FILE and any
// number of --click NAME, a screenshot of the started main window).
class TStartup {
public:
    static int Run(int argc, char** argv);
    // Registers the classes, sets the title and creates the main window and the hidden
    // dialog template; false after reporting an error.
    static bool CreateWindows(TApplication& application);

private:
    struct Options {
        QString screenshot;
        QStringList clicks;
        QString error;
    };
    static Options ParseOptions(const QStringList& arguments);
};
