#pragma once

#include <QString>
#include <memory>

class QFileInfo;
class TJetPictureFill;
class TSQLiteDatabase;

// The gallery's private SQLite copy of an Access (Jet) catalogue, which it browses with
// the data layer as it does any catalogue, so that an Access catalogue keeps every
// guarantee of the others at any size: the category walks by row id over an index on
// parent, pictures are read only for the rows painted, memory stays flat.
//
// The copy lives in zentuvio/access under the user's XDG cache folder, one file per
// Access file (named by a hash of its path), and holds the pictures that OLE objects
// wrapped already unwrapped. It is made on first use, while busy indicators stay alive,
// and again whenever the Access file's size or time of change differs from what the copy
// was made from. It is made under a temporary name and renamed when whole, so that a
// copy cut short is never used. The Access file is only read, and nothing is written
// beside it.
//
// Reading every picture takes several times as long as showing a page, so the first
// opening copies only the rows' other values (a reader's listing, which reads no picture)
// and is browsed at once; the pictures follow (TJetPictureFill), those painted first, and
// the indexes after them.
//
// A damaged Access file whose rows cannot all be listed is copied at once as far as it
// can be read; such a copy is used only while it is open, so that every opening says again
// that the rest could not be read. Pictures found damaged while they come are reported by
// the fill, whose copy is then not kept.
//
// A copy is made under a name that holds the process's id. A gallery that ended without
// cleaning up (killed, crashed) leaves such files behind; the next opening of the same
// Access file removes those whose process is gone.
class TJetCatalogueCache {
public:
    // The file of a copy used only while it is open: removed, with its journal's, when it
    // ends.
    class TUsedOnce {
    public:
        explicit TUsedOnce(QString file = QString());
        TUsedOnce(TUsedOnce&& other) noexcept;
        TUsedOnce& operator=(TUsedOnce&& other) noexcept;
        ~TUsedOnce();

    private:
        QString m_file;
    };

    // The members end in reverse order: the database closes first.
    struct TOpened {
        TOpened();
        TOpened(TOpened&&) noexcept;
        ~TOpened();
        // Brings in the pictures that the copy does not hold yet; null once it holds them
        // all. It ends after the database has closed.
        std::unique_ptr<TJetPictureFill> fill;
        TUsedOnce usedOnce;                        // the copy of a damaged Access file
        std::unique_ptr<TSQLiteDatabase> database; // read-only
        QString problem; // why rows are missing: the Access file is damaged; else empty
    };

    // The copy of the Access file at path. When none is kept for the file as it is now, the
    // copy is made with every row's other values at once and browsed while its pictures
    // come (the fill; each picture is awaited before it is read); a damaged Access file
    // is copied whole at once, as far as it can be read. Raises EDatabaseError naming the
    // Access file when nothing of it can be read, or naming the folder when the copy
    // cannot be made there.
    static TOpened Open(const QString& path, int busyTimeoutMs);

    static QString Folder();
    // The copy's file for the Access file at path.
    static QString CopyPath(const QString& path);
    // Removes a copy's file and its journal's.
    static void RemoveCopy(const QString& file);

private:
    // Removes the copies in the making of copy that processes now gone have left.
    static void RemoveLeftovers(const QString& copy);
    static std::unique_ptr<TSQLiteDatabase> OpenCurrent(const QString& copy,
                                                        const QFileInfo& source, int busyTimeoutMs);
    // Makes the copy in part without its pictures, which opened.fill then brings in;
    // false (nothing made) when the Access file's rows cannot all be listed.
    static bool OpenWhileFilling(const QFileInfo& source, const QString& part, const QString& copy,
                                 int busyTimeoutMs, TOpened& opened);
    // Makes the copy in file; returns the reader's problem for a damaged Access file.
    static QString Build(const QFileInfo& source, const QString& file, int busyTimeoutMs);
};
