#pragma once

#include "TSQLiteStatement.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TSQLiteDatabase;

// A picture catalogue: an SQLite file with the table picture(ID INTEGER PRIMARY KEY,
// parent INTEGER, name TEXT, file TEXT, Mirelvane BLOB). The blob is the last column
// because the gallery reads it lazily by row id and SQLite reaches columns stored after a
// large blob only by walking its overflow pages.
//
// Database errors raise EDatabaseError whose text names the catalogue file and the cause;
// an export that cannot be written raises EFCreateError naming the target file.
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
    // A row to add: its category code, names and the picture bytes to store.
    struct TPicture {
        qint64 parent = 0;
        QString name;
        QString file;
        QByteArray data;
    };

    // Makes a new, empty catalogue at path. An existing file is never touched; a file
    // that was half made is removed again.
    static void Create(const QString& path);

    // Opens an existing catalogue for reading and writing and checks its table.
    explicit TCatalogue(const QString& path);
    ~TCatalogue();
    TCatalogue(const TCatalogue&) = delete;
    TCatalogue& operator=(const TCatalogue&) = delete;

    const QString& Path() const;

    // Runs work inside one transaction: committed when work returns, rolled back when it
    // throws (the exception passes on), so that the file stays as it was.
    void InTransaction(const std::function<void()>& work);

    // Adds one row and returns its ID.
    qint64 Add(const TPicture& picture);
    // Calls visit for each row of the category (all rows when parent is empty), in ID
    // order, without reading any picture.
    void List(std::optional<qint64> parent, const std::function<void(const TEntry&)>& visit);
    // The stored bytes of picture id; raises when there is no such row or it holds none.
    QByteArray PictureData(qint64 id);
    // Writes the stored bytes of picture id to file unchanged; an error leaves an
    // existing file as it was.
    void Export(qint64 id, const QString& file);
    // Removes the rows, all or none: an ID that is not there raises and removes nothing.
    void Remove(const std::vector<qint64>& ids);

private:
    void CheckTable();
    [[noreturn]] void FailNoPicture(qint64 id) const;

    std::unique_ptr<TSQLiteDatabase> m_database;
    TSQLiteStatement m_insert;
};
