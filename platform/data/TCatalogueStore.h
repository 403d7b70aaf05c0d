#pragma once

#include <QString>

// Which store holds a picture catalogue. A postgresql:// (or postgres://) URI names a
// catalogue on a PostgreSQL server (TPgUri); anything else is a file, told by its content
// and never by its name: an SQLite database, or an Access (Jet) database, which is only
// ever read. A missing file, a folder and an empty file count as SQLite, whose opening
// then says what is wrong with them.
class TCatalogueStore {
public:
    enum class TKind { SQLite, Jet, PostgreSQL };

    // Raises EDatabaseError naming the file and saying what it is not when it is none of
    // the stores (a picture renamed, a file whose header was lost), or when it cannot be
    // read. A server is not reached here.
    static TKind Detect(const QString& location);

    // A catalogue of kind at location cannot be changed: the message that says so, or an
    // empty text for a store that can be written.
    static QString ReadOnlyReason(TKind kind, const QString& location);
};
