#pragma once

struct sqlite3;
class TSQLiteDatabase;

// For the length of a scope, SQLite calls TBusyPulse::Pulse every few thousand steps of
// the connection's statements, so that a long scan keeps busy indicators alive.
class TSQLiteProgressScope {
public:
    explicit TSQLiteProgressScope(TSQLiteDatabase& database);
    ~TSQLiteProgressScope();
    TSQLiteProgressScope(const TSQLiteProgressScope&) = delete;
    TSQLiteProgressScope& operator=(const TSQLiteProgressScope&) = delete;

private:
    sqlite3* m_db;
};
