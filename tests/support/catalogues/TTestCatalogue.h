#pragma once

#include <QString>
#include <QVariant>
#include <functional>

// How the table picture of a test catalogue is laid out.
enum class TPictureTable {
    Keyed,   // ID key, parent and Mirelvane, as the gallery's own catalogue
    Indexed, // the same with the index on parent that category queries walk
    Unkeyed, // parent and Mirelvane only, as another program may make it: rows have no ID
    None,    // no table at all
    // As the catalogue tool makes it: names (name, file), the index on parent and the
    // index of names.
    Named,
    // The same as an older catalogue tool made it, without the index of names.
    NamedUnindexed,
};

// One picture of a test catalogue; an invalid picture is stored as NULL, and so are null
// names. Names are stored where the table has columns for them.
struct TPictureRow {
    qint64 parent = 0;
    QVariant picture;
    QString name = {};
    QString file = {};
};

// A picture catalogue made for one test, benchmark or fuzzer, on one of the stores the
// gallery reads (see TTestStore), and reached the way another program reaches it: what
// it does here never goes through the gallery's own data layer. It lives as long as the
// object does.
class TTestCatalogue {
public:
    virtual ~TTestCatalogue() = default;
    TTestCatalogue(const TTestCatalogue&) = delete;
    TTestCatalogue& operator=(const TTestCatalogue&) = delete;

    // What names the catalogue where the gallery or the catalogue tool takes one.
    virtual QString Location() const = 0;
    // The connection string the main window builds for it.
    virtual QString ConnectionString() const = 0;

    // Adds one picture and returns its ID (its row id where the table has no ID column).
    virtual qint64 Add(const TPictureRow& row) = 0;
    // Adds count pictures in one transaction; rowAt(i) gives picture i.
    virtual void AddMany(int count, const std::function<TPictureRow(int)>& rowAt) = 0;
    // Adds count pictures of category parent, each blobBytes long and filled with a letter
    // that follows their order ('a' for the first, after 'z' again 'a').
    void AddPictures(int count, qint64 parent, int blobBytes);

    // The stored picture of row id; invalid for NULL or no such row.
    virtual QVariant StoredPicture(qint64 id) const = 0;
    // Replaces the picture of row id, as another program may while the gallery runs.
    virtual void SetPicture(qint64 id, const QVariant& picture) = 0;
    // How many pictures category parent holds.
    virtual qint64 CountOf(qint64 parent) const = 0;

    // Runs SQL on the catalogue's own connection, which stays open (a transaction begun
    // here goes on until ended here); on failure returns false and keeps the message.
    virtual bool Exec(const QString& sql) = 0;
    const QString& LastError() const { return m_lastError; }

protected:
    TTestCatalogue() = default;
    void SetLastError(const QString& message) { m_lastError = message; }

private:
    QString m_lastError;
};
