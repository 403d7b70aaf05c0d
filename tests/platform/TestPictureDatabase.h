#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>
#include <sqlite3.h>

// A picture database made for one test: an SQLite file Data/Mirelvane.mdb in a temporary
// folder, with table picture, and a raw sqlite3 connection of its own that plays "another
// program" sharing the file.
class TTestPictureDatabase {
public:
    static inline const char* DefaultSchema =
        "CREATE TABLE picture(ID INTEGER PRIMARY KEY, parent INTEGER, Mirelvane BLOB)";

    explicit TTestPictureDatabase(const char* schema = DefaultSchema)
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
        m_path = m_dir.path() + QStringLiteral("/Data/Mirelvane.mdb");
        EXPECT_EQ(sqlite3_open(m_path.toUtf8().constData(), &m_db), SQLITE_OK);
        if (schema)
            Exec(schema);
    }
    ~TTestPictureDatabase() { sqlite3_close(m_db); }
    TTestPictureDatabase(const TTestPictureDatabase&) = delete;
    TTestPictureDatabase& operator=(const TTestPictureDatabase&) = delete;

    const QString& Path() const { return m_path; }
    QString Folder() const { return m_dir.path(); }
    sqlite3* Handle() const { return m_db; }
    // The connection string the main window builds.
    QString ConnectionString() const
    {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security "
                              "Info=False")
            .arg(m_path);
    }

    // Runs sql; returns SQLite's result code (the test checks it where it matters).
    int Exec(const char* sql)
    {
        char* error = nullptr;
        const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &error);
        if (rc != SQLITE_OK)
            m_lastError = QString::fromUtf8(error);
        sqlite3_free(error);
        return rc;
    }
    const QString& LastError() const { return m_lastError; }

    // Adds one picture; an invalid blob is NULL. Returns its ID.
    qint64 AddPicture(int parent, const QVariant& blob)
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(m_db, "INSERT INTO picture(parent, Mirelvane) VALUES(?, ?)", -1, &stmt,
                           nullptr);
        sqlite3_bind_int(stmt, 1, parent);
        if (blob.isValid()) {
            const QByteArray bytes = blob.toByteArray();
            sqlite3_bind_blob(stmt, 2, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        }
        EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE);
        sqlite3_finalize(stmt);
        return sqlite3_last_insert_rowid(m_db);
    }

    // Adds count pictures of category parent, each blobBytes long and filled with a letter
    // that follows their order ('a' for the first), in one transaction.
    void AddPictures(int count, int parent, int blobBytes)
    {
        Exec("BEGIN");
        for (int i = 0; i < count; ++i)
            AddPicture(parent, QByteArray(blobBytes, char('a' + i % 26)));
        Exec("COMMIT");
    }

    // The blob of picture id as another program reads it; invalid for NULL.
    QVariant StoredBlob(qint64 id) const
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(m_db, "SELECT Mirelvane FROM picture WHERE ID = ?", -1, &stmt, nullptr);
        sqlite3_bind_int64(stmt, 1, id);
        QVariant result;
        if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_type(stmt, 0) != SQLITE_NULL)
            result = QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, 0)),
                                sqlite3_column_bytes(stmt, 0));
        sqlite3_finalize(stmt);
        return result;
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    sqlite3* m_db = nullptr;
    QString m_lastError;
};
