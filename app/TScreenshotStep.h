#pragma once

#include <QList>
#include <QString>

// One thing the --screenshot option does before taking the picture, in the order given:
// a click or double click on a named control, a key sent to the window with the focus
// (as QKeySequence spells it, or a lone modifier such as "Alt"), the pointer moved over
// a named control, or a wait of some milliseconds.
struct TScreenshotStep {
    enum class Kind { Click, DoubleClick, Key, Hover, Wait };
    Kind kind;
    QString value;

    bool operator==(const TScreenshotStep&) const = default;
};

using TScreenshotSteps = QList<TScreenshotStep>;
