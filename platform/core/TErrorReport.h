#pragma once

#include <QString>
#include <exception>
#include <functional>

// The standard error report: the one place where an error that no handler caught is
// shown to the user (a message box with the error text). A silent abort shows nothing.
// Tests install their own reporter to capture the texts.
class TErrorReport {
public:
    using Reporter = std::function<void(const QString& message)>;

    static void Show(const std::exception& error);
    // Reports the error once control is back in the event loop: for errors met while an
    // operation runs that must be allowed to finish.
    static void ShowLater(const std::exception& error);
    static void ShowText(const QString& message);
    // Installs a reporter; returns the previous one. An empty reporter restores the
    // message box.
    static Reporter SetReporter(Reporter reporter);

    // Runs a piece of event dispatch: an error raised inside stops it and is reported,
    // so that it never unwinds through the window system's code.
    template <class F> static void Guard(F&& work)
    {
        try {
            work();
        } catch (const std::exception& error) {
            Show(error);
        }
    }
};
