#include "TSQLiteBlob.h"

#include "Exception.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteStatement.h"
#include "TStream.h"

#include <sqlite3.h>

namespace {
// Bytes copied per sqlite3_blob_read call: a few pages, so a large picture never needs a
// second buffer of its own size besides the stream it goes to.
constexpr int chunkBytes = 64 * 1024;
} // namespace

TSQLiteBlob::~TSQLiteBlob()
{
    sqlite3_blob_close(m_blob);
}

qint64 TSQLiteBlob::Read(TSQLiteDatabase& database, const TSQLiteColumnRef& ref, qint64 rowid,
                         TStream* out)
{
    sqlite3_blob* handle = nullptr;
    const int rc = sqlite3_blob_open(database.Handle(), ref.schema.toUtf8().constData(),
                                     ref.table.toUtf8().constData(),
                                     ref.column.toUtf8().constData(), rowid, 0, &handle);
    if (rc != SQLITE_OK) {
        // NULL, a number, a missing row or a lock: the plain SELECT tells them apart and
        // reports real errors with their cause.
        sqlite3_blob_close(handle);
        return ReadBySelect(database, ref, rowid, out);
    }
    const TSQLiteBlob blob(handle);
    const int size = sqlite3_blob_bytes(handle);
    if (!out)
        return size;
    QByteArray chunk(qMin(size, chunkBytes), Qt::Uninitialized);
    for (int offset = 0; offset < size;) {
        const int n = qMin(chunkBytes, size - offset);
        if (sqlite3_blob_read(handle, chunk.data(), n, offset) != SQLITE_OK)
            database.Fail(QStringLiteral("Cannot read the blob of column %1 from").arg(ref.column));
        database.CountBlobBytes(n);
        out->WriteBuffer(chunk.constData(), n);
        offset += n;
    }
    return size;
}

qint64 TSQLiteBlob::ReadBySelect(TSQLiteDatabase& database, const TSQLiteColumnRef& ref,
                                 qint64 rowid, TStream* out)
{
    const QString sql = QStringLiteral("SELECT %1 FROM %2.%3 WHERE %4 = ?1")
                            .arg(SQLiteQuoted(ref.column), SQLiteQuoted(ref.schema),
                                 SQLiteQuoted(ref.table), SQLiteQuoted(ref.keyName));
    const QString action = QStringLiteral("Cannot read column %1 of table %2 from database")
                               .arg(ref.column, ref.table);
    TSQLiteStatement statement(database, sql, action);
    statement.Bind(1, QVariant(qlonglong(rowid)));
    if (!statement.Step())
        throw EDatabaseError(QStringLiteral("%1 '%2': the record with %3 = %4 no longer exists.")
                                 .arg(action, database.Path(), ref.keyName)
                                 .arg(rowid));
    const QVariant value = statement.Column(0);
    if (!value.isValid())
        return -1;
    const QByteArray bytes =
        value.typeId() == QMetaType::QByteArray ? value.toByteArray() : value.toString().toUtf8();
    database.CountBlobBytes(bytes.size());
    if (out)
        out->WriteBuffer(bytes.constData(), bytes.size());
    return bytes.size();
}
