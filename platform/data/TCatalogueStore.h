#pragma once

#include <QString>

// Which store holds a picture catalogue, told by the file's content and never by its
// name: an SQLite database, or an Access (Jet) database, which is only ever read. A
// missing file, a folder and an empty file count as SQLite, whose opening then says what
// is wrong with them.
class TCatalogueStore {
public:
    enum class TKind { SQLite, Jet };

    // Raises EDatabaseError naming the file and saying what it is not when it is neither
    // store (a picture renamed, a file whose header was lost), or when it cannot be read.
    static TKind Detect(const QString& location);

    // A catalogue of kind at location cannot be changed: the message that says so, or an
    // empty text for a store that can be written.
    static QString ReadOnlyReason(TKind kind, const QString& location);
};
