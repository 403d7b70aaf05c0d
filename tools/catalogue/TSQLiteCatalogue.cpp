#include "TSQLiteCatalogue.h"

#include "Exception.h"
#include "TCatalogueSchema.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteNameIndex.h"
#include "TSQLiteNameSearch.h"
#include "TSQLiteTableInfo.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

const QString openAction = QStringLiteral("Cannot open catalogue");
const QString createAction = QStringLiteral("Cannot create catalogue");

void CreateEmptyFile(const QString& path)
{
    if (QFileInfo::exists(path))
        throw EDatabaseError(
            QStringLiteral("Cannot create catalogue '%1': the file already exists.").arg(path));
    QFile file(path);
    // An empty file is an empty SQLite database; NewOnly never replaces a file that
    // appeared in the meantime.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw EDatabaseError(
            QStringLiteral("Cannot create catalogue '%1': %2.").arg(path, file.errorString()));
}

} // namespace

void TSQLiteCatalogue::Create(const QString& path)
{
    CreateEmptyFile(path);
    try {
        TSQLiteDatabase database(path, TSQLiteDatabase::TAccess::ReadWrite, BusyTimeoutMs);
        database.Execute(QString::fromLatin1(TCatalogueSchema::pictureTable), createAction);
        database.Execute(QString::fromLatin1(TCatalogueSchema::parentIndex), createAction);
        TSQLiteNameIndex::Create(database,
                                 TSQLiteTableInfo::Read(database, QStringLiteral("main"),
                                                        QStringLiteral("picture"), createAction),
                                 createAction);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

TSQLiteCatalogue::TSQLiteCatalogue(const QString& path)
    : m_database(std::make_unique<TSQLiteDatabase>(path, TSQLiteDatabase::TAccess::ReadWrite,
                                                   BusyTimeoutMs))
{
    CheckTable();
}

TSQLiteCatalogue::~TSQLiteCatalogue() = default;

QString TSQLiteCatalogue::Location() const
{
    return m_database->Path();
}

void TSQLiteCatalogue::CheckTable()
{
    const TSQLiteTableInfo table = TSQLiteTableInfo::Read(*m_database, QStringLiteral("main"),
                                                          QStringLiteral("picture"), openAction);
    if (table.columns.isEmpty())
        throw EDatabaseError(
            QStringLiteral("'%1' is not a picture catalogue: it has no table picture.")
                .arg(Location()));
    CheckColumns([&](const QString& column) { return table.Has(column); });
    m_key = table.RowIdSql();
    try {
        TSQLiteStatement(*m_database, QStringLiteral("SELECT %1 FROM picture").arg(m_key),
                         openAction);
    } catch (const EDatabaseError&) {
        throw EDatabaseError(QStringLiteral("'%1' cannot be kept here: table picture has no row "
                                            "ids (it was made WITHOUT ROWID) and no ID column.")
                                 .arg(Location()));
    }
}

bool TSQLiteCatalogue::HasColumn(const QString& column) const
{
    return !MissingNameColumns().contains(column);
}

QString TSQLiteCatalogue::NameColumn(const QString& column) const
{
    return HasColumn(column) ? column : QStringLiteral("NULL");
}

void TSQLiteCatalogue::InTransaction(const std::function<void()>& work)
{
    // IMMEDIATE takes the write lock now, so that a busy file fails before any work.
    m_database->Execute(QStringLiteral("BEGIN IMMEDIATE"),
                        QStringLiteral("Cannot change catalogue"));
    try {
        work();
        m_database->Execute(QStringLiteral("COMMIT"), QStringLiteral("Cannot save catalogue"));
    } catch (...) {
        sqlite3_exec(m_database->Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

qint64 TSQLiteCatalogue::Add(const TCatalogue::TPicture& picture)
{
    // The row id is always named, NULL for a new one, so that one statement serves both.
    QStringList columns = {m_key, QStringLiteral("parent")};
    QVariantList values = {picture.id ? QVariant(*picture.id) : QVariant(), picture.parent};
    for (const auto& [column, value] : {std::pair(QStringLiteral("name"), picture.name),
                                        std::pair(QStringLiteral("file"), picture.file)}) {
        if (HasColumn(column)) {
            columns << column;
            values << value;
        }
    }
    columns << QStringLiteral("Mirelvane");
    values << (picture.data.isNull() ? QVariant() : QVariant(picture.data));
    if (!m_insert.IsValid())
        m_insert =
            TSQLiteStatement(*m_database,
                             QStringLiteral("INSERT INTO picture(%1) VALUES(%2)")
                                 .arg(columns.join(u", "),
                                      QStringList(columns.size(), QStringLiteral("?")).join(u", ")),
                             QStringLiteral("Cannot add picture"));
    m_insert.Reset();
    for (qsizetype i = 0; i < values.size(); ++i)
        m_insert.Bind(int(i) + 1, values[i]);
    m_insert.Step();
    return sqlite3_last_insert_rowid(m_database->Handle());
}

void TSQLiteCatalogue::List(std::optional<qint64> parent,
                            const std::function<void(const TCatalogue::TEntry&)>& visit)
{
    TSQLiteStatement rows =
        EntryStatement(QStringLiteral("%1 ORDER BY %2")
                           .arg(parent ? QStringLiteral("parent = ?") : QStringLiteral("1"), m_key),
                       QStringLiteral("Cannot list catalogue"));
    if (parent)
        rows.Bind(1, *parent);
    while (rows.Step())
        visit(ReadEntry(rows));
}

void TSQLiteCatalogue::Find(const QString& text,
                            const std::function<void(const TCatalogue::TEntry&)>& visit)
{
    const std::vector<qint64> found = TSQLiteNameSearch(*m_database).Find(text, {});
    TSQLiteStatement row = EntryStatement(QStringLiteral("%1 = ?").arg(m_key),
                                          QStringLiteral("Cannot find pictures in catalogue"));
    for (const qint64 id : found) {
        row.Reset();
        row.Bind(1, id);
        if (row.Step())
            visit(ReadEntry(row));
    }
}

TSQLiteStatement TSQLiteCatalogue::EntryStatement(const QString& condition, const QString& action)
{
    // length() takes a blob's size from the row header and never reads its pages.
    return TSQLiteStatement(
        *m_database,
        QStringLiteral("SELECT %1, parent, %2, %3, length(Mirelvane) FROM picture WHERE %4")
            .arg(m_key, NameColumn(QStringLiteral("name")), NameColumn(QStringLiteral("file")),
                 condition),
        action);
}

TCatalogue::TEntry TSQLiteCatalogue::ReadEntry(const TSQLiteStatement& row)
{
    return {row.ColumnInt64(0), row.ColumnInt64(1), row.Column(2).toString(),
            row.Column(3).toString(), row.ColumnInt64(4)};
}

QByteArray TSQLiteCatalogue::PictureData(qint64 id)
{
    TSQLiteStatement row(*m_database,
                         QStringLiteral("SELECT Mirelvane FROM picture WHERE %1 = ?").arg(m_key),
                         QStringLiteral("Cannot read picture"));
    row.Bind(1, id);
    if (!row.Step())
        FailNoPicture(id);
    const QVariant data = row.Column(0);
    return data.isValid() ? data.toByteArray() : QByteArray();
}

void TSQLiteCatalogue::Remove(const std::vector<qint64>& ids)
{
    InTransaction([&] {
        TSQLiteStatement remove(*m_database,
                                QStringLiteral("DELETE FROM picture WHERE %1 = ?").arg(m_key),
                                QStringLiteral("Cannot remove picture"));
        for (const qint64 id : ids) {
            remove.Reset();
            remove.Bind(1, id);
            remove.Step();
            if (sqlite3_changes(m_database->Handle()) == 0)
                FailNoPicture(id);
        }
    });
}

bool TSQLiteCatalogue::AddParentIndex()
{
    const QString action = QStringLiteral("Cannot add the index to catalogue");
    if (TSQLiteTableInfo::HasIndexOn(*m_database, QStringLiteral("picture"),
                                     QStringLiteral("parent"), action))
        return false;
    // One statement: SQLite builds the index from the column alone and writes no row.
    m_database->Execute(QString::fromLatin1(TCatalogueSchema::parentIndex), action);
    return true;
}

bool TSQLiteCatalogue::AddNameIndex()
{
    const QString action = QStringLiteral("Cannot add the index of names to catalogue");
    if (TSQLiteNameIndex::Exists(*m_database, action))
        return false;
    InTransaction([&] {
        TSQLiteNameIndex::Create(*m_database,
                                 TSQLiteTableInfo::Read(*m_database, QStringLiteral("main"),
                                                        QStringLiteral("picture"), action),
                                 action);
    });
    return true;
}
