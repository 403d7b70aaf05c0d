#pragma once

#include <QString>
#include <QStringList>

class TForm;

// The --screenshot option: clicks the named controls of a window in order, waits until
// painting settles, and writes the window as a PNG file.
class TScreenshot {
public:
    // Exit codes of the program for the option.
    static constexpr int Written = 0;
    static constexpr int Failed = 1;
    static constexpr int UnknownControl = 2;

    // Returns Written, or UnknownControl / Failed after printing what went wrong.
    static int Take(TForm& window, const QString& fileName, const QStringList& clicks);

private:
    // A press and release of the left button in the middle of the control.
    static void Click(QWidget* control);
    static void Settle();
};
