#include "TSQLiteSavepoint.h"

#include "TSQLiteDatabase.h"

#include <sqlite3.h>

TSQLiteSavepoint::TSQLiteSavepoint(TSQLiteDatabase& database, const QString& name,
                                   const QString& action)
    : m_database(database)
    , m_name(SQLiteQuoted(name))
    , m_action(action)
{
    m_database.Execute(QStringLiteral("SAVEPOINT ") + m_name, m_action);
}

TSQLiteSavepoint::~TSQLiteSavepoint()
{
    if (m_released)
        return;
    // Cannot raise: a rollback that fails leaves what SQLite's own error handling left.
    const QByteArray undo = QStringLiteral("ROLLBACK TO %1; RELEASE %1").arg(m_name).toUtf8();
    sqlite3_exec(m_database.Handle(), undo.constData(), nullptr, nullptr, nullptr);
}

void TSQLiteSavepoint::Release()
{
    m_database.Execute(QStringLiteral("RELEASE ") + m_name, m_action);
    m_released = true;
}
