#pragma once

#include <QString>

class TPgConnection;

// One transaction on a server for the length of a scope: committed by Commit(), rolled
// back on every other way out (while the connection lasts). Beginning is the first
// statement of an operation, so a connection lost since the last one is replaced first.
// A lock held by another program is waited for up to lockTimeoutMs (0: as long as it
// takes).
class TPgTransaction {
public:
    enum class TKind {
        // Reads that agree with each other: one snapshot for every statement.
        Snapshot,
        // Writes, all or none.
        Write,
    };

    TPgTransaction(TPgConnection& connection, TKind kind, int lockTimeoutMs, const QString& action);
    ~TPgTransaction();
    TPgTransaction(const TPgTransaction&) = delete;
    TPgTransaction& operator=(const TPgTransaction&) = delete;

    void Commit();

private:
    void Rollback();

    TPgConnection& m_connection;
    QString m_action;
    bool m_open = true;
};
