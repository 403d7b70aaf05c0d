#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TCatalogueBackend;

// A picture catalogue, the table picture in an SQLite file or in a database on a
// PostgreSQL server (named by a postgresql:// URI, TPgUri). Catalogues made here have
// picture(ID INTEGER PRIMARY KEY, parent INTEGER, name TEXT, file TEXT, Mirelvane BLOB)
// and an index on parent in a file, and picture(id bigint identity primary key, parent
// integer not null, Mirelvane bytea, name text, file text) and an index on (parent, id)
// on a server.
//
// Any catalogue the gallery shows can be kept, also one made by another program whose
// table has only parent and Mirelvane (and columns of its own): its pictures are then
// addressed by their row id in a file, by the table's integer primary key on a server,
// listed under it as their ID, and their names are kept only where the table has the
// columns for them (MissingNameColumns).
//
// Database errors raise EDatabaseError whose text names the catalogue (a server by its
// URI without any password) and the cause; an export that cannot be written raises
// EFCreateError naming the target file. Several programs may write one server's
// catalogue at once: each transaction adds its pictures whole, under IDs of their own.
class TCatalogue {
public:
    // One row without its picture bytes.
    struct TEntry {
        qint64 id = 0;
        qint64 parent = 0;
        QString name;
        QString file;
        qint64 bytes = 0; // size of the stored picture
    };
    // A row to add: its category code, names, the picture bytes to store (NULL for a null
    // array) and its ID (a new one when empty).
    struct TPicture {
        qint64 parent = 0;
        QString name;
        QString file;
        QByteArray data;
        std::optional<qint64> id = std::nullopt;
    };

    // Makes a new, empty catalogue at location: a new file (an existing file is never
    // touched; a file that was half made is removed again), or the table and its indexes
    // in an existing database on a server (which must not hold a table picture yet).
    // Returns what the user should know of what could not be made (a server that cannot
    // keep the index of names), or an empty text.
    static QString Create(const QString& location);
    // Takes back what Create made at location, when filling it failed.
    static void DiscardNew(const QString& location);

    // Opens an existing catalogue for reading and writing and checks that its table has
    // what every command needs: columns parent and Mirelvane, and keys. An Access (Jet)
    // catalogue raises the error that says it is read-only (see TJetCatalogue).
    explicit TCatalogue(const QString& location);
    ~TCatalogue();
    TCatalogue(const TCatalogue&) = delete;
    TCatalogue& operator=(const TCatalogue&) = delete;

    // The file, or the server's URI without any password.
    QString Path() const;

    // Of name and file, the columns that the table lacks: such names are not stored.
    QStringList MissingNameColumns() const;

    // Runs work inside one transaction: committed when work returns, rolled back when it
    // throws (the exception passes on), so that the catalogue stays as it was.
    void InTransaction(const std::function<void()>& work);

    // Adds one row and returns its ID; names without a column are left out. An ID that is
    // taken raises EDatabaseError.
    qint64 Add(const TPicture& picture);
    // Calls visit for each row of the category (all rows when parent is empty), in ID
    // order, without reading any picture; names without a column are empty.
    void List(std::optional<qint64> parent, const std::function<void(const TEntry&)>& visit);
    // Calls visit for each picture whose name or file name holds text, without regard to
    // case, by category and then by ID, as the gallery's find box shows them (see
    // TNameSearch); through the index of names where it serves the text, else by reading
    // every row. Raises when the table has no name column.
    void Find(const QString& text, const std::function<void(const TEntry&)>& visit);
    // The stored bytes of picture id; raises when there is no such row or it holds none.
    QByteArray PictureData(qint64 id);
    // Writes the stored bytes of picture id to file unchanged; an error leaves an
    // existing file as it was.
    void Export(qint64 id, const QString& file);
    // Writes data to file; an error leaves an existing file as it was.
    static void Save(const QByteArray& data, const QString& file);
    // Removes the rows, all or none: an ID that is not there raises and removes nothing.
    void Remove(const std::vector<qint64>& ids);
    // Adds the index on parent that the gallery's category queries need, unless an index
    // starting with parent is there already; returns whether it added one. The rows and
    // their pictures stay as they are.
    bool AddParentIndex();
    // Adds the index of names that finds pictures by any part of their names, unless it is
    // there already; returns whether it added it. Raises when the table has no name column.
    bool AddNameIndex();

private:
    void CheckNames() const;

    std::unique_ptr<TCatalogueBackend> m_backend;
};
