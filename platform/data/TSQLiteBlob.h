#pragma once

#include "TSQLiteColumnRef.h"

#include <QtGlobal>

struct sqlite3_blob;
class TSQLiteDatabase;
class TStream;

// Reads one stored value by its row id through SQLite's incremental blob I/O
// (sqlite3_blob_open), so that only the row asked for is read, in chunks, straight into
// a stream. The handle is closed before every call returns: an open blob handle would
// hold a read lock and keep other programs from committing.
class TSQLiteBlob {
public:
    // Writes the value of column ref in row rowid to out (when out is not null) and returns
    // its size in bytes; returns -1 for NULL (nothing written). A blob or text is read
    // incrementally; a number (SQLite lets any column hold any type) as its text form.
    // Raises EDatabaseError when the row no longer exists or the database fails.
    static qint64 Read(TSQLiteDatabase& database, const TSQLiteColumnRef& ref, qint64 rowid,
                       TStream* out);

private:
    TSQLiteBlob(sqlite3_blob* blob)
        : m_blob(blob)
    {}
    ~TSQLiteBlob();
    TSQLiteBlob(const TSQLiteBlob&) = delete;
    TSQLiteBlob& operator=(const TSQLiteBlob&) = delete;

    static qint64 ReadBySelect(TSQLiteDatabase& database, const TSQLiteColumnRef& ref, qint64 rowid,
                               TStream* out);

    sqlite3_blob* m_blob;
};
