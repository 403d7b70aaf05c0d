#pragma once

#include "TTestCatalogue.h"

#include <QTemporaryDir>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// A test catalogue in an SQLite file, Data/Mirelvane.mdb in a temporary folder of its own,
// with a connection of its own that plays another program sharing the file. A failure to
// make or fill it raises std::runtime_error with SQLite's message.
class TSQLiteTestCatalogue : public TTestCatalogue {
public:
    explicit TSQLiteTestCatalogue(TPictureTable table = TPictureTable::Keyed);
    // With a layout of the test's own: schema is run on the new, empty file.
    explicit TSQLiteTestCatalogue(const QString& schema);
    ~TSQLiteTestCatalogue() override;

    QString Location() const override { return m_path; }
    QString ConnectionString() const override;
    // The temporary folder that holds Data/Mirelvane.mdb.
    QString Folder() const { return m_dir.path(); }

    qint64 Add(const TPictureRow& row) override;
    void AddMany(int count, const std::function<TPictureRow(int)>& rowAt) override;
    QVariant StoredPicture(qint64 id) const override;
    void SetPicture(qint64 id, const QVariant& picture) override;
    qint64 CountOf(qint64 parent) const override;
    bool Exec(const QString& sql) override;

private:
    struct TCloseDatabase {
        void operator()(sqlite3* db) const;
    };
    struct TFinalizeStatement {
        void operator()(sqlite3_stmt* statement) const;
    };
    using TStatement = std::unique_ptr<sqlite3_stmt, TFinalizeStatement>;

    TStatement Prepare(const char* sql) const;
    // The statement that adds a row, with the names where the table has their columns.
    TStatement PrepareInsert() const;
    void BindRow(sqlite3_stmt* insert, const TPictureRow& row) const;
    // Binds picture as a blob, or NULL when it is invalid.
    static void BindPicture(sqlite3_stmt* statement, int index, const QVariant& picture);
    void Step(sqlite3_stmt* statement) const;
    void Run(const char* sql) const;
    [[noreturn]] void Fail(const char* what) const;

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<sqlite3, TCloseDatabase> m_db;
    bool m_named = false; // the table has columns name and file
};
