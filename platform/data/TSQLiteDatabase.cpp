#include "TSQLiteDatabase.h"

#include "Exception.h"

#include <QFileInfo>
#include <sqlite3.h>

QString SQLiteQuoted(const QString& identifier)
{
    QString quoted = identifier;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

TSQLiteDatabase::TSQLiteDatabase(const QString& path, TAccess access, int busyTimeoutMs,
                                 bool exclusive)
    : m_path(path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw EDatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));
    if (info.isDir())
        throw EDatabaseError(
            QStringLiteral("Cannot open database '%1': it is a folder, not a file.").arg(path));
    // Never SQLITE_OPEN_CREATE: a missing file is an error, not a new empty database.
    const int flags = (access == TAccess::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    const QString openAction = QStringLiteral("Cannot open database");
    if (rc != SQLITE_OK) {
        const QString text = ErrorText(openAction);
        sqlite3_close_v2(m_db);
        throw EDatabaseError(text);
    }
    sqlite3_extended_result_codes(m_db, 1);
    SetBusyTimeout(busyTimeoutMs);
    try {
        if (exclusive)
            Execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"), openAction);
        // sqlite3_open_v2 reads nothing; reading the schema proves that the file is a
        // database (SQLITE_NOTADB otherwise) before any query is prepared.
        Execute(QStringLiteral("SELECT count(*) FROM sqlite_schema"), openAction);
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

TSQLiteDatabase::~TSQLiteDatabase()
{
    // _v2: statements or blob handles that outlive the connection do not leak it.
    sqlite3_close_v2(m_db);
}

bool TSQLiteDatabase::IsReadOnly(const QString& schema) const
{
    return sqlite3_db_readonly(m_db, schema.toUtf8().constData()) == 1;
}

void TSQLiteDatabase::SetBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = qMax(0, milliseconds);
    sqlite3_busy_timeout(m_db, m_busyTimeoutMs);
}

void TSQLiteDatabase::Execute(const QString& sql, const QString& action)
{
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(action);
}

QString TSQLiteDatabase::ErrorText(const QString& action) const
{
    const int code = m_db ? sqlite3_extended_errcode(m_db) : SQLITE_NOMEM;
    const QString cause =
        m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("%1 '%2': the file is locked by another program and stayed "
                              "locked for %3 ms (%4).")
            .arg(action, m_path)
            .arg(m_busyTimeoutMs)
            .arg(cause);
    case SQLITE_NOTADB:
        return QStringLiteral("%1 '%2': the file is not an SQLite database (%3).")
            .arg(action, m_path, cause);
    default:
        return QStringLiteral("%1 '%2': %3.").arg(action, m_path, cause);
    }
}

void TSQLiteDatabase::Fail(const QString& action) const
{
    throw EDatabaseError(ErrorText(action));
}
