#include "TPgQuery.h"

#include "Exception.h"
#include "TPgConnection.h"
#include "TPgTransaction.h"
#include "TStream.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QString postAction = QStringLiteral("Cannot save the record to catalogue");
// Rows of a long result taken from the server at a time, so that memory stays flat.
constexpr int batchRows = 10000;

QVariant KeyArray(const std::vector<qint64>& keys)
{
    return QVariant::fromValue(QList<qlonglong>(keys.begin(), keys.end()));
}

} // namespace

TPgQuery::TPgQuery(TPgConnection& connection, TPgTableInfoCache& tables, bool readOnly,
                   const QString& sql, const TQuerySettings& settings)
    : m_connection(connection)
    , m_readOnly(readOnly)
    , m_settings(settings)
{
    {
        TPgTransaction reading(m_connection, TPgTransaction::TKind::Snapshot,
                               m_settings.busyTimeoutMs, TPgResultPlan::QueryAction);
        m_plan = std::make_unique<TPgResultPlan>(m_connection, sql, tables);
        DescribeColumns();
        if (m_plan->WalksByKey())
            FetchKeys();
        else
            FetchRecords();
        reading.Commit();
    }
    // The first page is shown next.
    if (m_records.Count() > 0)
        m_records.Hold(*this, 0);
}

TPgQuery::~TPgQuery() = default;

void TPgQuery::DescribeColumns()
{
    std::vector<bool> kept;
    for (const TPgResultPlan::TColumn& column : m_plan->Columns()) {
        m_columns.push_back({column.name, column.fieldType});
        kept.push_back(!column.lazy);
    }
    m_records.SetColumns(kept);
}

// Keys that follow each other are known from the first and the last; otherwise the start
// of each run of consecutive keys and its place among the records say where they are.
void TPgQuery::FetchKeys()
{
    if (m_settings.recordKeys) {
        m_records.WalkByKeys(TRecordKeys::Of(*m_settings.recordKeys, m_settings.maxRecords),
                             m_settings.cacheSize);
        return;
    }
    const qint64 count =
        m_connection.Run(m_plan->CountSql(), TPgResultPlan::QueryAction).Int64(0, 0);
    const int max = m_settings.maxRecords;
    const int wanted = int(max == 0 ? count : std::min<qint64>(count, max));
    TRecordKeys keys;
    if (wanted > 0) {
        const TPgResult ends = m_connection.Run(m_plan->EndsSql(), TPgResultPlan::QueryAction);
        const qint64 first = ends.Int64(0, 0);
        if (ends.Int64(0, 1) - first + 1 == count)
            keys.AppendRun(first, wanted);
        else
            FetchRuns(keys, count, wanted);
    }
    m_records.WalkByKeys(std::move(keys), m_settings.cacheSize);
}

// Each run of consecutive keys reaches to where the next one starts, the last one to the
// end of the records.
void TPgQuery::FetchRuns(TRecordKeys& keys, qint64 count, int wanted)
{
    std::optional<std::pair<qint64, qint64>> open; // the run read last: first key, index
    const auto closeOpenRun = [&](qint64 endIndex) {
        if (open)
            keys.AppendRun(open->first, int(std::min<qint64>(endIndex, wanted) - open->second));
    };
    m_connection.ForEachBatch(m_plan->RunsSql(), TPgResultPlan::QueryAction, batchRows,
                              [&](const TPgResult& runs) {
                                  for (int row = 0; row < runs.Rows(); ++row) {
                                      const qint64 index = runs.Int64(row, 1);
                                      closeOpenRun(index);
                                      open.reset();
                                      if (index >= wanted)
                                          return false;
                                      open.emplace(runs.Int64(row, 0), index);
                                  }
                                  return true;
                              });
    closeOpenRun(count);
}

void TPgQuery::FetchRecords()
{
    const int max = m_settings.maxRecords;
    const auto room = [&] { return max == 0 || m_records.Count() < max; };
    m_connection.ForEachBatch(
        m_plan->RecordsSql(), TPgResultPlan::QueryAction, batchRows, [&](const TPgResult& part) {
            for (int row = 0; row < part.Rows() && room(); ++row)
                m_records.Append([&](int column) { return part.Value(row, column); });
            return room();
        });
}

void TPgQuery::ReadRange(qint64 firstKey, qint64 lastKey, const TVisit& visit)
{
    VisitRows(m_connection.RunAfresh(m_plan->RangeSql(), TPgResultPlan::QueryAction,
                                     {QVariant(firstKey), QVariant(lastKey)}),
              visit);
}

void TPgQuery::ReadKeys(const std::vector<qint64>& keys, const TVisit& visit)
{
    VisitRows(
        m_connection.RunAfresh(m_plan->KeysSql(), TPgResultPlan::QueryAction, {KeyArray(keys)}),
        visit);
}

void TPgQuery::VisitRows(const TPgResult& rows, const TVisit& visit)
{
    for (int row = 0; row < rows.Rows(); ++row)
        visit(rows.Int64(row, 0), [&](int column) { return rows.Value(row, column + 1); });
}

void TPgQuery::PrefetchRecords(int first, int count)
{
    if (m_plan->WalksByKey())
        m_records.HoldPage(*this, first, count,
                           [this](const std::vector<qint64>& keys, const TVisit& visit) {
                               ReadBlobs(keys, visit);
                           });
}

void TPgQuery::ReadBlobs(const std::vector<qint64>& keys, const TVisit& visit)
{
    const std::vector<int> lazy = m_plan->LazyColumns();
    const TPgResult rows = m_connection.RunAfresh(m_plan->BlobsSql(), BlobAction(lazy.front()),
                                                  {KeyArray(keys)}, TPgConnection::TFormat::Binary);
    for (int row = 0; row < rows.Rows(); ++row) {
        visit(rows.Int64(row, 0), [&](int column) {
            const int at = int(std::find(lazy.begin(), lazy.end(), column) - lazy.begin()) + 1;
            if (rows.IsNull(row, at))
                return QVariant();
            const QByteArray bytes = rows.Bytes(row, at);
            m_connection.CountBlobBytes(bytes.size());
            return QVariant(bytes.isNull() ? QByteArray("") : bytes);
        });
    }
}

qint64 TPgQuery::RowKey(int row)
{
    if (m_plan->WalksByKey())
        return m_records.Keys().At(row);
    return Value(row, m_plan->KeyColumn()).toLongLong();
}

QString TPgQuery::BlobAction(int column) const
{
    return QStringLiteral("Cannot read column %1 from catalogue")
        .arg(m_columns[std::size_t(column)].name);
}

void TPgQuery::FailGone(const QString& action, qint64 key) const
{
    throw EDatabaseError(
        m_connection.ErrorText(action, QStringLiteral("the record with %1 = %2 no longer exists")
                                           .arg(m_columns[std::size_t(m_plan->KeyColumn())].name)
                                           .arg(key)));
}

qint64 TPgQuery::ReadLazyBlob(int row, int column, TStream* out)
{
    const qint64 key = RowKey(row);
    const QString action = BlobAction(column);
    if (m_records.GoneFromPage(row))
        FailGone(action, key);
    const TPgResult value =
        m_connection.RunAfresh(m_plan->BlobSql(column, !out), action, {QVariant(key)},
                               out ? TPgConnection::TFormat::Binary : TPgConnection::TFormat::Text);
    if (value.Rows() == 0)
        FailGone(action, key);
    if (value.IsNull(0, 0))
        return -1;
    if (!out)
        return value.Int64(0, 0);
    const QByteArray bytes = value.Bytes(0, 0);
    m_connection.CountBlobBytes(bytes.size());
    out->WriteBuffer(bytes.constData(), bytes.size());
    return bytes.size();
}

bool TPgQuery::CanModify(int column) const
{
    const TPgResultPlan::TColumn& c = m_plan->Columns()[std::size_t(column)];
    return !m_readOnly && m_plan->KeyColumn() >= 0 && !c.origin.isEmpty() && !c.isKey;
}

void TPgQuery::Post(int row, const std::map<int, QVariant>& changes)
{
    std::vector<int> columns;
    QVariantList values;
    for (const auto& [column, value] : changes) {
        columns.push_back(column);
        values << value;
    }
    const qint64 key = RowKey(row);
    values << QVariant(key);
    TPgTransaction writing(m_connection, TPgTransaction::TKind::Write, m_settings.busyTimeoutMs,
                           postAction);
    if (m_connection.Run(m_plan->UpdateSql(columns), postAction, values).RowsAffected() == 0)
        throw EDatabaseError(QStringLiteral("Row cannot be located for updating. Some values may "
                                            "have been changed since it was last read. (key %1 "
                                            "of '%2')")
                                 .arg(key)
                                 .arg(m_connection.Location()));
    writing.Commit();
    // The records take the stored values, in every column showing the same table column.
    const auto& plan = m_plan->Columns();
    for (const auto& [column, value] : changes) {
        for (std::size_t i = 0; i < plan.size(); ++i) {
            if (plan[i].origin == plan[std::size_t(column)].origin)
                m_records.Store(row, int(i), value);
        }
    }
}
