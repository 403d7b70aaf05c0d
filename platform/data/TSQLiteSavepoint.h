#pragma once

#include <QString>

class TSQLiteDatabase;

// A savepoint for the length of a scope: it begins a transaction, or nests inside one.
// Release() keeps what was done since it was set; a scope left without Release() (by an
// exception) rolls back to it, so that the database is as it was before.
class TSQLiteSavepoint {
public:
    // Raises EDatabaseError whose text starts with action when it cannot be set.
    TSQLiteSavepoint(TSQLiteDatabase& database, const QString& name, const QString& action);
    ~TSQLiteSavepoint();
    TSQLiteSavepoint(const TSQLiteSavepoint&) = delete;
    TSQLiteSavepoint& operator=(const TSQLiteSavepoint&) = delete;

    // Raises EDatabaseError (and rolls back on leaving the scope) when it cannot release.
    void Release();

private:
    TSQLiteDatabase& m_database;
    const QString m_name;
    const QString m_action;
    bool m_released = false;
};
