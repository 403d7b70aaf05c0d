#pragma once

#include <QByteArray>
#include <QString>

// A folder of the program's own in the system's temporary folder, open to the user
// alone, made on first use and removed with all it holds when the program ends: where
// pictures wait as files for the programs they were dragged to.
class TPrivateTempFolder {
public:
    // Writes bytes to a file of that name in a new subfolder, so that files of the same
    // name never meet, and returns its path. Raises EFCreateError naming the file and
    // the cause.
    static QString Place(const QString& fileName, const QByteArray& bytes);
};
