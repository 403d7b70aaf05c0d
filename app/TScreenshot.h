#pragma once

#include "TScreenshotStep.h"

#include <QEvent>
#include <QImage>
#include <QString>
#include <QStringList>

class TForm;
class TControl;
class TMenuItem2000;
class QWidget;

// The --screenshot option: runs the steps in order (clicks, double clicks, keys, pointer
// moves, waits, dropped files), each followed by time for painting to settle, writes the
// window as a PNG file and prints the captions of the controls named for printing, one a
// line. The steps go on while a step waits for an answer: after a click that opens a
// modal box, the next steps act on the box; a box still open when the picture is taken
// is in it, and is then cancelled so that the program ends normally.
class TScreenshot {
public:
    // Exit codes of the program for the option.
    static constexpr int Written = 0;
    static constexpr int Failed = 1;
    static constexpr int UnknownControl = 2;

    // Returns Written, or UnknownControl / Failed after printing what went wrong (Failed
    // also when a step closed the window or could not finish).
    static int Take(TForm& window, const QString& fileName, const TScreenshotSteps& steps,
                    const QStringList& prints);

private:
    // Milliseconds of events after the step at index.
    static int SettleTime(const TScreenshotSteps& steps, qsizetype index);
    // The step as the command line spells it, and its option.
    static QString Describe(const TScreenshotStep& step);
    static QString OptionOf(TScreenshotStep::Kind kind);
    // Runs one step; Written, or UnknownControl after naming an unknown control.
    static int Run(TForm& window, const TScreenshotStep& step);
    // Writes the picture and prints the captions; the exit code.
    static int Finish(TForm& window, const QString& fileName, const QStringList& prints);
    // A click on a menu item, or the pointer coming to rest on it: a top item on the
    // window's menu bar that shows it, an item of an open drop-down in its window. False
    // after naming an item that is shown nowhere.
    static bool PointAtMenuItem(TForm& window, TMenuItem2000& item, bool click);
    // Where the item lies on screen, and the widget that shows it there; null for none.
    static QWidget* MenuItemPlace(TForm& window, const TMenuItem2000& item, QPoint& local);
    // The control of that name in the modal box that is open, else in the window; null
    // after naming the option and the name.
    static TControl* FindControl(TForm& window, const QString& name, const QString& option);
    // What --click NAME presses: the control, or for a bar page its button.
    static QWidget* ClickTarget(TControl* control);
    // A press and release of the left button in the middle of the control; a double
    // click follows them with a second press, reported as a double click, and release.
    static void Click(QWidget* control);
    static void DoubleClick(QWidget* control);
    static void SendButton(QWidget* control, QEvent::Type type);
    static void SendButtonAt(QWidget* widget, QPoint local, QEvent::Type type);
    // A key press and release to the focused widget (the window without one), inside
    // the modal box while one is open.
    static void SendKey(TForm& window, const QString& key);
    // Files dropped onto the control as another program drops them.
    static void DropFiles(QWidget* control, const QStringList& files);
    // The pointer comes onto the control and rests in its middle, or at a point of it.
    static void Hover(QWidget* control);
    static void HoverAt(QWidget* widget, QPoint local);
    // The window with every other visible window of the program over it at its place,
    // in the order they stack.
    static QImage Picture(TForm& window);
    // Handles events for that long so that animations and deferred repaints finish.
    static void Settle(int milliseconds);
};
