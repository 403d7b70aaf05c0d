#pragma once

#include <QString>
#include <vector>

struct sqlite3;

// The peer of the catalogue benchmarks: the rows' keys (ID and parent) by a plain
// sqlite3 SELECT, kept in a vector as a data set keeps them.
class TPlainKeySelect {
public:
    explicit TPlainKeySelect(const QString& databasePath);
    ~TPlainKeySelect();
    TPlainKeySelect(const TPlainKeySelect&) = delete;
    TPlainKeySelect& operator=(const TPlainKeySelect&) = delete;

    // Runs sql (its first two columns are kept; with readBlobs the third column's bytes
    // are read too) and returns the number of rows.
    int Select(const char* sql, bool readBlobs = false);
    // Gives the kept keys' memory back.
    void Release();

private:
    sqlite3* m_db = nullptr;
    std::vector<qint64> m_keys;
};
