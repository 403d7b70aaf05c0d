#pragma once

#include <QString>

class TPicture;

// Saves a thumbnail's picture as a real JPEG file (quality 95) under the name the user
// chose, with ".jpg" added unless the name already ends so (any letter case). The file
// is written to a temporary file beside the target and renamed over it only when
// complete, so a failed save leaves an existing file untouched.
class TPictureSaver {
public:
    static constexpr int Quality = 95;

    // The file name the picture goes to for a chosen name.
    static QString TargetName(const QString& chosenName);
    // Writes the picture; an empty picture writes nothing and returns false. A failure
    // raises EWriteError naming the file and the cause.
    static bool Save(const TPicture& picture, const QString& chosenName);
};
