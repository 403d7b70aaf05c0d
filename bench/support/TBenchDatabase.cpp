#include "TBenchDatabase.h"

#include <QDir>
#include <sqlite3.h>

TBenchDatabase::TBenchDatabase(int rows, const std::function<Row(int)>& rowAt)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    m_path = m_dir.path() + QStringLiteral("/Data/Mirelvane.mdb");
    sqlite3* db = nullptr;
    sqlite3_open(m_path.toUtf8().constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE picture(ID INTEGER PRIMARY KEY, parent INTEGER, Mirelvane BLOB);"
                 "BEGIN",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO picture(parent, Mirelvane) VALUES(?, ?)", -1, &insert,
                       nullptr);
    for (int i = 0; i < rows; ++i) {
        const Row row = rowAt(i);
        sqlite3_bind_int(insert, 1, row.parent);
        sqlite3_bind_blob(insert, 2, row.picture.constData(), int(row.picture.size()),
                          SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}
