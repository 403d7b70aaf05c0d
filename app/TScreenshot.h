#pragma once

#include "TScreenshotStep.h"

#include <QString>
#include <QStringList>

class TForm;
class TControl;
class QWidget;
#include <QEvent>

// The --screenshot option: clicks or double-clicks the named controls of a window in
// order, waits until
// painting settles, writes the window as a PNG file and prints the captions of the
// controls named for printing, one a line.
class TScreenshot {
public:
    // Exit codes of the program for the option.
    static constexpr int Written = 0;
    static constexpr int Failed = 1;
    static constexpr int UnknownControl = 2;

    // Returns Written, or UnknownControl / Failed after printing what went wrong.
    static int Take(TForm& window, const QString& fileName, const TScreenshotSteps& steps,
                    const QStringList& prints);

private:
    // The window's control of that name; null after naming the option and the name.
    static TControl* FindControl(TForm& window, const QString& name, const QString& option);
    // What --click NAME presses: the control, or for a bar page its button.
    static QWidget* ClickTarget(TControl* control);
    // A press and release of the left button in the middle of the control; a double
    // click follows them with a second press, reported as a double click, and release.
    static void Click(QWidget* control);
    static void DoubleClick(QWidget* control);
    static void SendButton(QWidget* control, QEvent::Type type);
    static void Settle();
};
