#include "TPgResultPlan.h"

#include "Exception.h"
#include "TPgConnection.h"
#include "TPgResult.h"
#include "TPgTableInfo.h"
#include "TPgTableInfoCache.h"

#include <QSet>
#include <algorithm>

namespace {

const QString records = QStringLiteral("zentuvio_records");

TFieldType FieldTypeOf(unsigned type)
{
    switch (type) {
    case ptInt2:
    case ptInt4:
    case ptInt8:
    case ptOid:
        return TFieldType::ftInteger;
    case ptFloat4:
    case ptFloat8:
    case ptNumeric:
        return TFieldType::ftFloat;
    case ptBytea:
        return TFieldType::ftBlob;
    case ptText:
    case ptVarchar:
    case ptBpchar:
        return TFieldType::ftString;
    default:
        return TFieldType::ftUnknown;
    }
}

} // namespace

TPgResultPlan::TPgResultPlan(TPgConnection& connection, const QString& sql,
                             TPgTableInfoCache& tables)
    : m_shape(sql)
{
    DescribeColumns(connection, sql, tables);
    const auto anyLazy =
        std::any_of(m_columns.begin(), m_columns.end(), [](const TColumn& c) { return c.lazy; });
    const bool allFromTable = std::all_of(m_columns.begin(), m_columns.end(),
                                          [](const TColumn& c) { return !c.origin.isEmpty(); });
    m_walks = m_shape.KeepsRowsWhenWrapped() && m_keyColumn >= 0 && allFromTable && NamesDiffer();
    m_skipsBlobLoads = anyLazy && NamesDiffer();
}

void TPgResultPlan::DescribeColumns(TPgConnection& connection, const QString& sql,
                                    TPgTableInfoCache& cache)
{
    const TPgResult description = connection.Describe(sql, QueryAction);
    if (description.Columns() == 0)
        throw EDatabaseError(
            connection.ErrorText(QueryAction, QStringLiteral("the SQL text returns no records")));
    std::vector<unsigned> tables;
    std::vector<int> tableColumns;
    for (int i = 0; i < description.Columns(); ++i) {
        const unsigned type = description.ColumnType(i);
        TColumn column;
        column.name = description.ColumnName(i);
        column.type = type;
        column.fieldType = FieldTypeOf(type);
        m_columns.push_back(column);
        tables.push_back(description.ColumnTable(i));
        tableColumns.push_back(description.ColumnTableColumn(i));
    }
    FindKey(connection, cache, tables, tableColumns);
    for (TColumn& column : m_columns) {
        column.lazy = column.type == ptBytea && !column.origin.isEmpty() && m_keyColumn >= 0;
        if (column.isKey)
            column.fieldType = TFieldType::ftAutoInc;
    }
}

// The key only where a row of the result is a row of the one table read.
void TPgResultPlan::FindKey(TPgConnection& connection, TPgTableInfoCache& cache,
                            const std::vector<unsigned>& tables,
                            const std::vector<int>& tableColumns)
{
    if (!m_shape.SingleRelation())
        return;
    QSet<unsigned> origins(tables.begin(), tables.end());
    origins.remove(0);
    if (origins.size() != 1)
        return;
    const unsigned table = *origins.begin();
    std::vector<TPgTableInfoCache::TShownColumn> shown;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (tables[i] == table)
            shown.emplace_back(tableColumns[i], m_columns[i].name);
    }
    const TPgTableInfo info = cache.Find(connection, table, shown, QueryAction);
    if (!info.Exists())
        return;
    m_table = info.name;
    m_key = info.Quoted(info.keyNumber);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (tables[i] != table || !info.columns.contains(tableColumns[i]))
            continue;
        TColumn& column = m_columns[i];
        column.origin = info.Quoted(tableColumns[i]);
        column.isKey = info.keyNumber != 0 && tableColumns[i] == info.keyNumber;
        if (column.isKey && m_keyColumn < 0)
            m_keyColumn = int(i);
    }
}

bool TPgResultPlan::NamesDiffer() const
{
    QSet<QString> names;
    for (const TColumn& column : m_columns)
        names.insert(column.name);
    return names.size() == qsizetype(m_columns.size());
}

QString TPgResultPlan::WrappedColumns() const
{
    QStringList columns;
    for (const TColumn& column : m_columns)
        columns << (column.lazy ? QStringLiteral("NULL")
                                : records + QLatin1Char('.') + PgQuoted(column.name));
    return columns.join(QStringLiteral(", "));
}

// form with %1 for the statement's body, %2 for the key and %3 for the wrapped columns.
QString TPgResultPlan::Wrapped(const QString& form) const
{
    const QString key = m_keyColumn >= 0 ? records + QLatin1Char('.') +
                                               PgQuoted(m_columns[std::size_t(m_keyColumn)].name)
                                         : QString();
    const QString parts[] = {m_shape.Body(), key, WrappedColumns()};
    // One pass, so that nothing put in is read as a placeholder again.
    QString sql;
    for (qsizetype i = 0; i < form.size(); ++i) {
        const int part =
            i + 1 < form.size() && form[i] == QLatin1Char('%') ? form[i + 1].digitValue() - 1 : -1;
        if (part >= 0 && part < 3) {
            sql += parts[part];
            ++i;
        } else {
            sql += form[i];
        }
    }
    return sql;
}

QString TPgResultPlan::CountSql() const
{
    return Wrapped(QStringLiteral("SELECT count(*) FROM (\n%1\n) AS zentuvio_records"));
}

QString TPgResultPlan::EndsSql() const
{
    return Wrapped(QStringLiteral("SELECT min(%2), max(%2) FROM (\n%1\n) AS zentuvio_records"));
}

QString TPgResultPlan::RunsSql() const
{
    return Wrapped(QStringLiteral(
        "SELECT zentuvio_key, zentuvio_index FROM (SELECT %2 AS zentuvio_key, "
        "row_number() OVER zentuvio_order - 1 AS zentuvio_index, "
        "lag(%2) OVER zentuvio_order AS zentuvio_previous FROM (\n%1\n) AS zentuvio_records "
        "WINDOW zentuvio_order AS (ORDER BY %2)) AS zentuvio_runs "
        "WHERE zentuvio_previous IS NULL OR zentuvio_key <> zentuvio_previous + 1 "
        "ORDER BY zentuvio_key"));
}

QString TPgResultPlan::RangeSql() const
{
    return Wrapped(QStringLiteral("SELECT %2, %3 FROM (\n%1\n) AS zentuvio_records "
                                  "WHERE %2 BETWEEN $1 AND $2 ORDER BY %2"));
}

QString TPgResultPlan::KeysSql() const
{
    return Wrapped(QStringLiteral("SELECT %2, %3 FROM (\n%1\n) AS zentuvio_records "
                                  "WHERE %2 = ANY($1)"));
}

QString TPgResultPlan::RecordsSql() const
{
    if (!NamesDiffer())
        return m_shape.Body();
    return Wrapped(QStringLiteral("SELECT %3 FROM (\n%1\n) AS zentuvio_records"));
}

QString TPgResultPlan::BlobSql(int column, bool sizeOnly) const
{
    const QString& origin = m_columns[std::size_t(column)].origin;
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1")
        .arg(sizeOnly ? QStringLiteral("octet_length(%1)").arg(origin) : origin, m_table, m_key);
}

QString TPgResultPlan::BlobsSql() const
{
    QStringList columns = {m_key};
    for (const int column : LazyColumns())
        columns << m_columns[std::size_t(column)].origin;
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ANY($1)")
        .arg(columns.join(QStringLiteral(", ")), m_table, m_key);
}

std::vector<int> TPgResultPlan::LazyColumns() const
{
    std::vector<int> lazy;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].lazy)
            lazy.push_back(int(i));
    }
    return lazy;
}

QString TPgResultPlan::UpdateSql(const std::vector<int>& columns) const
{
    QStringList assignments;
    int parameter = 1;
    for (const int column : columns)
        assignments << QStringLiteral("%1 = $%2")
                           .arg(m_columns[std::size_t(column)].origin)
                           .arg(parameter++);
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = $%4")
        .arg(m_table, assignments.join(QStringLiteral(", ")), m_key)
        .arg(parameter);
}
