#include "TPgTransaction.h"

#include "TPgConnection.h"

#include <algorithm>
#include <exception>
#include <utility>

TPgTransaction::TPgTransaction(TPgConnection& connection, TKind kind, int lockTimeoutMs,
                               const QString& action)
    : m_connection(connection)
    , m_action(action)
{
    const QString begin = kind == TKind::Snapshot
                              ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY")
                              : QStringLiteral("BEGIN");
    m_connection.RunAfresh(begin, action);
    try {
        m_connection.Execute(
            QStringLiteral("SET LOCAL lock_timeout = %1").arg(std::max(0, lockTimeoutMs)), action);
    } catch (...) {
        Rollback();
        throw;
    }
}

TPgTransaction::~TPgTransaction()
{
    Rollback();
}

void TPgTransaction::Rollback()
{
    if (!std::exchange(m_open, false) || m_connection.IsLost())
        return;
    try {
        m_connection.Execute(QStringLiteral("ROLLBACK"), m_action);
    } catch (const std::exception&) {
        // The error that ended the transaction early is the one reported.
    }
}

void TPgTransaction::Commit()
{
    m_open = false;
    m_connection.Execute(QStringLiteral("COMMIT"), m_action);
}
