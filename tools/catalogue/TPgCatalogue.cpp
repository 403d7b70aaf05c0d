#include "TPgCatalogue.h"

#include "Exception.h"
#include "TCatalogueSchema.h"
#include "TPgConnection.h"
#include "TPgNameIndex.h"
#include "TPgNameSearch.h"
#include "TPgTransaction.h"

namespace {

const QString openAction = QStringLiteral("Cannot open catalogue");
const QString createAction = QStringLiteral("Cannot create catalogue");
const QString changeAction = QStringLiteral("Cannot change catalogue");
const QString pictureTable = QStringLiteral("picture");
// Rows listed per round trip, so that memory stays flat for any catalogue.
constexpr int listBatchRows = 10000;

} // namespace

QString TPgCatalogue::Create(const QString& uri)
{
    TPgConnection connection(uri);
    TPgTransaction creating(connection, TPgTransaction::TKind::Write, BusyTimeoutMs, createAction);
    if (TPgTableInfo::ReadByName(connection, pictureTable, createAction).Exists())
        throw EDatabaseError(connection.ErrorText(
            createAction, QStringLiteral("the database holds a table picture already")));
    connection.Execute(QString::fromLatin1(TCatalogueSchema::serverPictureTable), createAction);
    connection.Execute(QString::fromLatin1(TCatalogueSchema::serverParentIndex), createAction);
    // Without the index of names the catalogue still serves every command.
    QString note;
    try {
        TPgNameIndex::Create(connection,
                             TPgTableInfo::ReadByName(connection, pictureTable, createAction));
    } catch (const EDatabaseError& error) {
        note = error.Message();
    }
    creating.Commit();
    return note;
}

void TPgCatalogue::DiscardNew(const QString& uri)
{
    TPgConnection(uri).Execute(QStringLiteral("DROP TABLE IF EXISTS picture"), createAction);
}

TPgCatalogue::TPgCatalogue(const QString& uri)
    : m_connection(std::make_unique<TPgConnection>(uri))
{
    m_connection->SetSessionSql(QStringLiteral("SET lock_timeout = %1").arg(BusyTimeoutMs));
    CheckTable();
}

TPgCatalogue::~TPgCatalogue() = default;

QString TPgCatalogue::Location() const
{
    return m_connection->Location();
}

void TPgCatalogue::CheckTable()
{
    m_table = TPgTableInfo::ReadByName(*m_connection, pictureTable, openAction);
    if (!m_table.Exists())
        throw EDatabaseError(
            QStringLiteral("'%1' is not a picture catalogue: its database has no table picture; "
                           "'zentuvio-catalogue create %1' makes one.")
                .arg(Location()));
    CheckColumns([&](const QString& column) { return m_table.Find(column) != 0; });
    if (!m_table.keyNumber)
        throw EDatabaseError(QStringLiteral("'%1' cannot be kept here: table picture has no "
                                            "primary key of one integer column, by which its "
                                            "pictures would be found.")
                                 .arg(Location()));
    m_key = m_table.Quoted(m_table.keyNumber);
}

QString TPgCatalogue::Column(const QString& name) const
{
    const int number = m_table.Find(name);
    return number ? m_table.Quoted(number) : QStringLiteral("NULL");
}

void TPgCatalogue::InTransaction(const std::function<void()>& work)
{
    TPgTransaction writing(*m_connection, TPgTransaction::TKind::Write, BusyTimeoutMs,
                           changeAction);
    work();
    writing.Commit();
}

qint64 TPgCatalogue::Add(const TCatalogue::TPicture& picture)
{
    QStringList columns = {Column(QStringLiteral("parent"))};
    QVariantList values = {picture.parent};
    for (const auto& [name, value] : {std::pair(QStringLiteral("name"), picture.name),
                                      std::pair(QStringLiteral("file"), picture.file)}) {
        if (m_table.Find(name)) {
            columns << Column(name);
            values << value;
        }
    }
    columns << Column(QStringLiteral("Mirelvane"));
    values << (picture.data.isNull() ? QVariant() : QVariant(picture.data));
    if (picture.id) {
        columns << m_key;
        values << *picture.id;
    }
    QStringList parameters;
    for (qsizetype i = 1; i <= values.size(); ++i)
        parameters << QStringLiteral("$%1").arg(i);
    const QString action = QStringLiteral("Cannot add picture to catalogue");
    const qint64 id =
        m_connection
            ->Run(QStringLiteral("INSERT INTO %1(%2) %3VALUES(%4) RETURNING %5")
                      .arg(m_table.name, columns.join(u", "),
                           picture.id ? QStringLiteral("OVERRIDING SYSTEM VALUE ") : QString(),
                           parameters.join(u", "), m_key),
                  action, values)
            .Int64(0, 0);
    // New IDs of the key's sequence go on after the ones given.
    if (picture.id)
        m_connection->Run(
            QStringLiteral("SELECT setval(pg_get_serial_sequence($1, $2), max(%1)) FROM %2")
                .arg(m_key, m_table.name),
            action, {m_table.name, m_table.columns.value(m_table.keyNumber)});
    return id;
}

void TPgCatalogue::List(std::optional<qint64> parent,
                        const std::function<void(const TCatalogue::TEntry&)>& visit)
{
    const QString condition =
        parent ? QStringLiteral("%1 = %2").arg(Column(QStringLiteral("parent"))).arg(*parent)
               : QStringLiteral("true");
    VisitEntries(QStringLiteral("%1 ORDER BY %2").arg(condition, m_key), {},
                 QStringLiteral("Cannot list catalogue"), visit);
}

void TPgCatalogue::Find(const QString& text,
                        const std::function<void(const TCatalogue::TEntry&)>& visit)
{
    if (!TPgNameIndex::TextFits(text))
        return;
    VisitEntries(
        QStringLiteral("%1 ORDER BY %2, %3")
            .arg(TPgNameSearch::Condition(m_table), Column(QStringLiteral("parent")), m_key),
        {TPgNameSearch::Pattern(text)}, QStringLiteral("Cannot find pictures in catalogue"), visit);
}

void TPgCatalogue::VisitEntries(const QString& condition, const QVariantList& parameters,
                                const QString& action,
                                const std::function<void(const TCatalogue::TEntry&)>& visit)
{
    const QString sql = QStringLiteral("SELECT %1, %2, %3, %4, octet_length(%5) FROM %6 WHERE %7")
                            .arg(m_key, Column(QStringLiteral("parent")),
                                 Column(QStringLiteral("name")), Column(QStringLiteral("file")),
                                 Column(QStringLiteral("Mirelvane")), m_table.name, condition);
    TPgTransaction reading(*m_connection, TPgTransaction::TKind::Snapshot, BusyTimeoutMs, action);
    TCatalogue::TEntry entry;
    m_connection->ForEachBatch(
        sql, action, listBatchRows,
        [&](const TPgResult& rows) {
            for (int row = 0; row < rows.Rows(); ++row) {
                entry.id = rows.Int64(row, 0);
                entry.parent = rows.Int64(row, 1);
                entry.name = rows.Text(row, 2);
                entry.file = rows.Text(row, 3);
                entry.bytes = rows.Int64(row, 4);
                visit(entry);
            }
            return true;
        },
        parameters);
    reading.Commit();
}

QByteArray TPgCatalogue::PictureData(qint64 id)
{
    const TPgResult row = m_connection->Run(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1")
            .arg(Column(QStringLiteral("Mirelvane")), m_table.name, m_key),
        QStringLiteral("Cannot read picture from catalogue"), {id}, TPgConnection::TFormat::Binary);
    if (row.Rows() == 0)
        FailNoPicture(id);
    return row.IsNull(0, 0) ? QByteArray() : row.Bytes(0, 0);
}

void TPgCatalogue::Remove(const std::vector<qint64>& ids)
{
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2 = $1").arg(m_table.name, m_key);
    InTransaction([&] {
        for (const qint64 id : ids) {
            if (m_connection->Run(sql, QStringLiteral("Cannot remove picture from catalogue"), {id})
                    .RowsAffected() == 0)
                FailNoPicture(id);
        }
    });
}

bool TPgCatalogue::AddParentIndex()
{
    const QString action = QStringLiteral("Cannot add the index to catalogue");
    const int parent = m_table.Find(QStringLiteral("parent"));
    const bool indexed =
        m_connection
            ->Run(QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_index WHERE indrelid = "
                                 "to_regclass($1) AND indkey[0] = $2)"),
                  action, {m_table.name, parent})
            .Value(0, 0)
            .toBool();
    if (indexed)
        return false;
    m_connection->Execute(QStringLiteral("CREATE INDEX ON %1(%2, %3)")
                              .arg(m_table.name, Column(QStringLiteral("parent")), m_key),
                          action);
    return true;
}

bool TPgCatalogue::AddNameIndex()
{
    if (TPgNameIndex::Exists(*m_connection, m_table,
                             QStringLiteral("Cannot add the index of names to catalogue")))
        return false;
    InTransaction([&] { TPgNameIndex::Create(*m_connection, m_table); });
    return true;
}
