#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One thing the --screenshot option does before taking the picture, in the order given:
// a click or double click on a named control, a key sent to the window with the focus
// (as QKeySequence spells it, or a lone modifier such as "Alt"), the pointer moved over
// a named control, a wait of some milliseconds, or files dropped onto a named control
// as a file manager drops them.
struct TScreenshotStep {
    enum class Kind { Click, DoubleClick, Key, Hover, Wait, Drop };
    Kind kind;
    QString value;
    QStringList files = {}; // of a drop, as absolute paths

    bool operator==(const TScreenshotStep&) const = default;
};

using TScreenshotSteps = QList<TScreenshotStep>;
