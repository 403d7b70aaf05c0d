#pragma once

#include <QString>

struct sqlite3;

// One open SQLite database file (RAII over sqlite3*). The file must exist: it is never
// created. It is opened in the normal locking mode, so that other programs may read and
// write it at the same time; a lock held by another program is waited for up to the busy
// timeout instead of failing at once.
class TSQLiteDatabase {
public:
    enum class TAccess { ReadWrite, ReadOnly };

    // Opens path and checks that it is an SQLite database. Raises EDatabaseError whose
    // text names the file and the cause (missing, not a database, locked, ...). With
    // exclusive, the file stays locked against other programs while this connection
    // has read it (SQLite's exclusive locking mode).
    TSQLiteDatabase(const QString& path, TAccess access, int busyTimeoutMs, bool exclusive = false);
    ~TSQLiteDatabase();
    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    sqlite3* Handle() const { return m_db; }
    const QString& Path() const { return m_path; }
    bool IsReadOnly(const QString& schema = QStringLiteral("main")) const;

    // How long a statement waits for another program's lock, in milliseconds.
    int BusyTimeout() const { return m_busyTimeoutMs; }
    void SetBusyTimeout(int milliseconds);

    // Runs statements and discards their rows; raises EDatabaseError on failure, its
    // text starting with action ("Cannot save the record").
    void Execute(const QString& sql, const QString& action);

    // The error text for the last failed call on this connection, naming the file and
    // the cause: action says what was attempted ("Cannot run the query").
    QString ErrorText(const QString& action) const;
    [[noreturn]] void Fail(const QString& action) const;

    // Bytes of blob contents read so far through this connection (see TSQLiteBlob); lets
    // callers and tests see that opening a query does not read the pictures.
    qint64 BlobBytesRead() const { return m_blobBytesRead; }
    void CountBlobBytes(qint64 bytes) { m_blobBytesRead += bytes; }

private:
    sqlite3* m_db = nullptr;
    QString m_path;
    int m_busyTimeoutMs = 0;
    qint64 m_blobBytesRead = 0;
};

// An identifier quoted for SQL text: "name" with inner quotes doubled.
QString SQLiteQuoted(const QString& identifier);
