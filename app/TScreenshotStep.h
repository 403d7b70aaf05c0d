#pragma once

#include <QList>
#include <QString>

// One thing the --screenshot option does to the window before taking the picture:
// a click or a double click on a named control.
struct TScreenshotStep {
    enum class Kind { Click, DoubleClick };
    Kind kind;
    QString control;

    bool operator==(const TScreenshotStep&) const = default;
};

using TScreenshotSteps = QList<TScreenshotStep>;
