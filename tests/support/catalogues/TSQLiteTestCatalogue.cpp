#include "TSQLiteTestCatalogue.h"

#include "TCatalogueSchema.h"
#include "TSQLiteNameIndex.h"
#include "TTestQuery.h"

#include <QDir>
#include <sqlite3.h>
#include <stdexcept>

namespace {

QString SchemaOf(TPictureTable table)
{
    const QString keyed = QStringLiteral(
        "CREATE TABLE picture(ID INTEGER PRIMARY KEY, parent INTEGER, Mirelvane BLOB)");
    switch (table) {
    case TPictureTable::Keyed:
        return keyed;
    case TPictureTable::Indexed:
        return keyed + QStringLiteral("; CREATE INDEX picture_parent ON picture(parent)");
    case TPictureTable::Unkeyed:
        return QStringLiteral("CREATE TABLE picture(parent INTEGER, Mirelvane BLOB)");
    case TPictureTable::Named:
        return SchemaOf(TPictureTable::NamedUnindexed) + QLatin1Char(';') +
               TSQLiteNameIndex::CreationSql({QStringLiteral("name"), QStringLiteral("file")},
                                             QStringLiteral("ID"));
    case TPictureTable::NamedUnindexed:
        return QString::fromLatin1(TCatalogueSchema::pictureTable) + QLatin1Char(';') +
               QString::fromLatin1(TCatalogueSchema::parentIndex);
    case TPictureTable::None:
        break;
    }
    return QString();
}

} // namespace

void TSQLiteTestCatalogue::TCloseDatabase::operator()(sqlite3* db) const
{
    sqlite3_close(db);
}

void TSQLiteTestCatalogue::TFinalizeStatement::operator()(sqlite3_stmt* statement) const
{
    sqlite3_finalize(statement);
}

TSQLiteTestCatalogue::TSQLiteTestCatalogue(TPictureTable table)
    : TSQLiteTestCatalogue(SchemaOf(table))
{}

TSQLiteTestCatalogue::TSQLiteTestCatalogue(const QString& schema)
    : m_path(m_dir.filePath(QStringLiteral("Data/Mirelvane.mdb")))
{
    if (!m_dir.isValid() || !QDir(m_dir.path()).mkpath(QStringLiteral("Data")))
        throw std::runtime_error("cannot make a temporary folder for a test catalogue");
    sqlite3* db = nullptr;
    const int opened = sqlite3_open(m_path.toUtf8().constData(), &db);
    m_db.reset(db);
    if (opened != SQLITE_OK)
        Fail("cannot make the test catalogue");
    if (!schema.isEmpty())
        Run(schema.toUtf8().constData());
    const TStatement names = Prepare("SELECT count(*) FROM pragma_table_info('picture') "
                                     "WHERE name IN ('name', 'file')");
    m_named = sqlite3_step(names.get()) == SQLITE_ROW && sqlite3_column_int(names.get(), 0) == 2;
}

TSQLiteTestCatalogue::~TSQLiteTestCatalogue() = default;

QString TSQLiteTestCatalogue::ConnectionString() const
{
    return TTestQuery::FileConnectionString(m_path);
}

qint64 TSQLiteTestCatalogue::Add(const TPictureRow& row)
{
    const TStatement insert = PrepareInsert();
    BindRow(insert.get(), row);
    Step(insert.get());
    return sqlite3_last_insert_rowid(m_db.get());
}

void TSQLiteTestCatalogue::AddMany(int count, const std::function<TPictureRow(int)>& rowAt)
{
    Run("BEGIN");
    try {
        const TStatement insert = PrepareInsert();
        for (int i = 0; i < count; ++i) {
            BindRow(insert.get(), rowAt(i));
            Step(insert.get());
            sqlite3_reset(insert.get());
        }
        Run("COMMIT");
    } catch (...) {
        sqlite3_exec(m_db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

TSQLiteTestCatalogue::TStatement TSQLiteTestCatalogue::PrepareInsert() const
{
    return Prepare(m_named ? "INSERT INTO picture(parent, Mirelvane, name, file) VALUES(?, ?, ?, ?)"
                           : "INSERT INTO picture(parent, Mirelvane) VALUES(?, ?)");
}

void TSQLiteTestCatalogue::BindRow(sqlite3_stmt* insert, const TPictureRow& row) const
{
    sqlite3_bind_int64(insert, 1, row.parent);
    BindPicture(insert, 2, row.picture);
    if (!m_named)
        return;
    int index = 3;
    for (const QString& name : {row.name, row.file}) {
        const QByteArray text = name.toUtf8();
        if (name.isNull())
            sqlite3_bind_null(insert, index++);
        else
            sqlite3_bind_text(insert, index++, text.constData(), int(text.size()),
                              SQLITE_TRANSIENT);
    }
}

QVariant TSQLiteTestCatalogue::StoredPicture(qint64 id) const
{
    const TStatement select = Prepare("SELECT Mirelvane FROM picture WHERE rowid = ?");
    sqlite3_bind_int64(select.get(), 1, id);
    if (sqlite3_step(select.get()) != SQLITE_ROW ||
        sqlite3_column_type(select.get(), 0) == SQLITE_NULL)
        return QVariant();
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(select.get(), 0)),
                      sqlite3_column_bytes(select.get(), 0));
}

void TSQLiteTestCatalogue::SetPicture(qint64 id, const QVariant& picture)
{
    const TStatement update = Prepare("UPDATE picture SET Mirelvane = ? WHERE rowid = ?");
    BindPicture(update.get(), 1, picture);
    sqlite3_bind_int64(update.get(), 2, id);
    Step(update.get());
}

qint64 TSQLiteTestCatalogue::CountOf(qint64 parent) const
{
    const TStatement count = Prepare("SELECT count(*) FROM picture WHERE parent = ?");
    sqlite3_bind_int64(count.get(), 1, parent);
    if (sqlite3_step(count.get()) != SQLITE_ROW)
        Fail("cannot count the pictures of the test catalogue");
    return sqlite3_column_int64(count.get(), 0);
}

bool TSQLiteTestCatalogue::Exec(const QString& sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db.get(), sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        SetLastError(QString::fromUtf8(error));
    sqlite3_free(error);
    return rc == SQLITE_OK;
}

TSQLiteTestCatalogue::TStatement TSQLiteTestCatalogue::Prepare(const char* sql) const
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql, -1, &statement, nullptr) != SQLITE_OK)
        Fail(sql);
    return TStatement(statement);
}

void TSQLiteTestCatalogue::BindPicture(sqlite3_stmt* statement, int index, const QVariant& picture)
{
    if (!picture.isValid()) {
        sqlite3_bind_null(statement, index);
        return;
    }
    const QByteArray bytes = picture.toByteArray();
    sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

void TSQLiteTestCatalogue::Step(sqlite3_stmt* statement) const
{
    if (sqlite3_step(statement) != SQLITE_DONE)
        Fail(sqlite3_sql(statement));
}

void TSQLiteTestCatalogue::Run(const char* sql) const
{
    if (sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(sql);
}

void TSQLiteTestCatalogue::Fail(const char* what) const
{
    throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(m_db.get()));
}
