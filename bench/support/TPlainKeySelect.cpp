#include "TPlainKeySelect.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

TPlainKeySelect::TPlainKeySelect(const QString& databasePath)
{
    sqlite3_open_v2(databasePath.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr);
}

TPlainKeySelect::~TPlainKeySelect()
{
    sqlite3_close(m_db);
}

int TPlainKeySelect::Select(const char* sql, bool readBlobs)
{
    Release();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr);
    qint64 bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        m_keys.push_back(sqlite3_column_int64(stmt, 0));
        m_keys.push_back(sqlite3_column_int64(stmt, 1));
        if (readBlobs)
            bytes += sqlite3_column_bytes(stmt, 2);
    }
    sqlite3_finalize(stmt);
    benchmark::DoNotOptimize(bytes);
    return int(m_keys.size() / 2);
}

void TPlainKeySelect::Release()
{
    std::vector<qint64>().swap(m_keys);
}
