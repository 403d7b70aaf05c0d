#pragma once

#include <QChar>
#include <QString>

// The accelerator of a caption: the character after its first single "&".
class T_AM2000_Accelerator {
public:
    // A null character when the caption has none.
    static QChar Of(const QString& caption);
    // The caption's accelerator is typed, ignoring case.
    static bool Matches(const QString& caption, const QString& typed);
};
