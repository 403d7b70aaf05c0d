#pragma once

#include <QString>

// The user's own catalogue, zentuvio/Mirelvane.mdb under the user's XDG data folder
// (~/.local/share unless XDG_DATA_HOME says otherwise). It is made as a copy of a
// catalogue that cannot be written (the installed sample, a read-only file, an Access
// catalogue) the first time the user adds pictures to that one, holds the pictures added
// from then on, and is the catalogue the gallery opens when none is chosen on the
// command line.
class TUserCatalogue {
public:
    static QString Path();
    static bool Exists();
    // Copies the catalogue at source to Path() (an SQLite one compacted, an Access one
    // converted), never over an existing file: the copy is made beside the target and
    // moved into place only when complete. Raises EDatabaseError naming the files and
    // the cause.
    static void CreateFrom(const QString& source);

private:
    static void Copy(const QString& source, const QString& target);
};
