#include "TJetCatalogueCache.h"

#include "Exception.h"
#include "TAccessOleObject.h"
#include "TCatalogueSchema.h"
#include "TJetReader.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteNameIndex.h"
#include "TSQLiteStatement.h"
#include "TSQLiteTableInfo.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <unistd.h>

namespace {

// Raised whenever what a copy holds changes meaning: older copies are made anew.
// 2: the copy has the index of names.
constexpr int copyVersion = 2;

const QString buildAction = QStringLiteral("Cannot copy the Access catalogue");

// What a copy was made from, in the copy itself.
const char* const sourceTable =
    "CREATE TABLE access_source(path TEXT, size INTEGER, modified INTEGER, version INTEGER)";

qint64 ModifiedMs(const QFileInfo& info)
{
    return info.lastModified().toMSecsSinceEpoch();
}

// A new empty file (an empty SQLite database); a leftover of the same name goes first.
void CreateEmpty(const QString& file)
{
    QFile::remove(file);
    QFile created(file);
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw EDatabaseError(QStringLiteral("%1: cannot create '%2' (%3).")
                                 .arg(buildAction, file, created.errorString()));
}

QVariant TextOrNull(const std::optional<std::string>& text)
{
    return text ? QVariant(QString::fromStdString(*text)) : QVariant();
}

void InsertRow(TSQLiteStatement& insert, const TJetRow& row)
{
    insert.Reset();
    insert.Bind(1, qint64(row.id));
    insert.Bind(2, row.parent ? QVariant(qint64(*row.parent)) : QVariant());
    insert.Bind(3, TextOrNull(row.name));
    insert.Bind(4, TextOrNull(row.file));
    // The row's bytes are lent, not copied: SQLite takes its own copy when binding.
    insert.Bind(5, row.state == TJetRowFormat::vsNull
                       ? QVariant()
                       : QVariant(TAccessOleObject::Picture(QByteArray::fromRawData(
                             row.bytes.data(), qsizetype(row.bytes.size())))));
    try {
        insert.Step();
    } catch (const EDatabaseError&) {
        // An ID that a damaged table repeats: the row goes in under a new one.
        insert.Reset();
        insert.Bind(1, QVariant());
        insert.Step();
    }
}

} // namespace

QString TJetCatalogueCache::Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/zentuvio/access");
}

QString TJetCatalogueCache::CopyPath(const QString& path)
{
    return CopyPathWithout(path) + QStringLiteral(".sqlite");
}

QString TJetCatalogueCache::DamagedCopyPath(const QString& path)
{
    return CopyPathWithout(path) + QStringLiteral(".damaged.sqlite");
}

QString TJetCatalogueCache::CopyPathWithout(const QString& path)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    return Folder() + QLatin1Char('/') +
           QString::fromLatin1(
               QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex());
}

TJetCatalogueCache::TOpened TJetCatalogueCache::Open(const QString& path, int busyTimeoutMs)
{
    const QFileInfo source(path);
    const QString copy = CopyPath(path);
    TOpened opened;
    opened.database = OpenCurrent(copy, source, busyTimeoutMs);
    if (opened.database)
        return opened;
    if (!QDir().mkpath(Folder()))
        throw EDatabaseError(QStringLiteral("%1 '%2': the folder '%3' cannot be made.")
                                 .arg(buildAction, path, Folder()));
    const QString part = copy + QStringLiteral(".part-%1").arg(::getpid());
    try {
        opened.problem = Build(source, part, busyTimeoutMs);
        // A damaged file's copy is used this once, under a name that the next opening
        // replaces, so that it reads the file again and says again what is missing. It
        // stays a file while it is used, for the connections that searches open on it.
        const QString kept = opened.problem.isEmpty() ? copy : DamagedCopyPath(path);
        if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(kept).constData()) !=
            0)
            throw EDatabaseError(QStringLiteral("%1 '%2': cannot rename '%3' to '%4'.")
                                     .arg(buildAction, path, part, kept));
        opened.database = std::make_unique<TSQLiteDatabase>(
            kept, TSQLiteDatabase::TAccess::ReadOnly, busyTimeoutMs);
        return opened;
    } catch (...) {
        QFile::remove(part);
        throw;
    }
}

// The copy when it was made from the file as it is now, by this version; else none.
std::unique_ptr<TSQLiteDatabase>
TJetCatalogueCache::OpenCurrent(const QString& copy, const QFileInfo& source, int busyTimeoutMs)
{
    if (!QFileInfo::exists(copy))
        return nullptr;
    try {
        auto database = std::make_unique<TSQLiteDatabase>(copy, TSQLiteDatabase::TAccess::ReadOnly,
                                                          busyTimeoutMs);
        TSQLiteStatement made(*database,
                              QStringLiteral("SELECT path, size, modified, version FROM "
                                             "access_source"),
                              buildAction);
        if (made.Step() && made.Column(0).toString() == source.absoluteFilePath() &&
            made.ColumnInt64(1) == source.size() && made.ColumnInt64(2) == ModifiedMs(source) &&
            made.ColumnInt64(3) == copyVersion)
            return database;
    } catch (const EDatabaseError&) {
        // A copy that cannot be read is made anew.
    }
    return nullptr;
}

QString TJetCatalogueCache::Build(const QFileInfo& source, const QString& file, int busyTimeoutMs)
{
    CreateEmpty(file);
    TSQLiteDatabase database(file, TSQLiteDatabase::TAccess::ReadWrite, busyTimeoutMs);
    // A copy cut short is never used, so it needs neither a journal nor flushes.
    database.Execute(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF"),
                     buildAction);
    database.Execute(QString::fromLatin1(TCatalogueSchema::pictureTable), buildAction);
    database.Execute(QString::fromLatin1(sourceTable), buildAction);
    database.Execute(QStringLiteral("BEGIN"), buildAction);
    TSQLiteStatement insert(database,
                            QStringLiteral("INSERT INTO picture(ID, parent, name, file, Mirelvane) "
                                           "VALUES(?, ?, ?, ?, ?)"),
                            buildAction);
    const TJetReader::TSummary summary =
        TJetReader::Read(source.absoluteFilePath(), TJetReader::TContent::Values,
                         [&](const TJetRow& row) { InsertRow(insert, row); });
    insert = TSQLiteStatement();
    database.Execute(QString::fromLatin1(TCatalogueSchema::parentIndex), buildAction);
    TSQLiteNameIndex::Create(database,
                             TSQLiteTableInfo::Read(database, QStringLiteral("main"),
                                                    QStringLiteral("picture"), buildAction),
                             buildAction);
    TSQLiteStatement made(database, QStringLiteral("INSERT INTO access_source VALUES(?, ?, ?, ?)"),
                          buildAction);
    made.Bind(1, source.absoluteFilePath());
    made.Bind(2, source.size());
    made.Bind(3, ModifiedMs(source));
    made.Bind(4, copyVersion);
    made.Step();
    made = TSQLiteStatement();
    database.Execute(QStringLiteral("COMMIT"), buildAction);
    return summary.problem;
}
