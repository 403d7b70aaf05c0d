#include "TPgNameIndex.h"

#include "Exception.h"
#include "TPgConnection.h"
#include "TPgTableInfo.h"

namespace {

const QString indexName = QStringLiteral("picture_names");
const QString createAction = QStringLiteral("Cannot add the index of names to catalogue");
// Joins the names of a row; no name a user types holds it.
constexpr char16_t separator = u'\x1f';

} // namespace

QStringList TPgNameIndex::NameColumns(const TPgTableInfo& table)
{
    QStringList columns;
    for (const QString& name : {QStringLiteral("name"), QStringLiteral("file")}) {
        if (const int number = table.Find(name))
            columns << table.Quoted(number);
    }
    return columns;
}

QString TPgNameIndex::Names(const QStringList& columns)
{
    QStringList parts;
    for (const QString& column : columns)
        parts << QStringLiteral("COALESCE(%1, '')").arg(column);
    return QLatin1Char('(') + parts.join(QStringLiteral(" || E'\\x1f' || ")) + QLatin1Char(')');
}

bool TPgNameIndex::TextFits(const QString& text)
{
    return !text.contains(QChar(separator));
}

QString TPgNameIndex::CreationSql(const QString& table, const QStringList& columns,
                                  const QString& operatorClass)
{
    return QStringLiteral("CREATE INDEX %1 ON %2 USING gin (%3 %4)")
        .arg(indexName, table, Names(columns), operatorClass);
}

bool TPgNameIndex::Exists(TPgConnection& connection, const TPgTableInfo& table,
                          const QString& action)
{
    return connection
        .Run(QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_index i JOIN pg_class c ON c.oid = "
                            "i.indexrelid WHERE i.indrelid = to_regclass($1) AND c.relname = $2 "
                            "AND i.indisvalid)"),
             action, {table.name, indexName})
        .Value(0, 0)
        .toBool();
}

void TPgNameIndex::Create(TPgConnection& connection, const TPgTableInfo& table)
{
    connection.Execute(QStringLiteral("SAVEPOINT zentuvio_names"), createAction);
    try {
        AddExtension(connection);
        // The operator class is named in the extension's schema, wherever that is.
        const QString schema =
            connection
                .Run(QStringLiteral("SELECT quote_ident(n.nspname) FROM pg_extension e JOIN "
                                    "pg_namespace n ON n.oid = e.extnamespace WHERE e.extname = "
                                    "'pg_trgm'"),
                     createAction)
                .Text(0, 0);
        connection.Execute(
            CreationSql(table.name, NameColumns(table), schema + QStringLiteral(".gin_trgm_ops")),
            createAction);
    } catch (...) {
        connection.Execute(QStringLiteral("ROLLBACK TO SAVEPOINT zentuvio_names"), createAction);
        throw;
    }
    connection.Execute(QStringLiteral("RELEASE SAVEPOINT zentuvio_names"), createAction);
}

void TPgNameIndex::AddExtension(TPgConnection& connection)
{
    try {
        connection.Execute(QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm"), createAction);
    } catch (const EDatabaseError& error) {
        throw EDatabaseError(
            QStringLiteral("%1 The server or this role cannot add the extension pg_trgm that the "
                           "index of names needs; pictures are still found by name, by reading "
                           "every row.")
                .arg(error.Message()));
    }
}
