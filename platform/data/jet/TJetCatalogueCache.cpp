#include "TJetCatalogueCache.h"

#include "Exception.h"
#include "TAccessOleObject.h"
#include "TCatalogueSchema.h"
#include "TJetCopyRows.h"
#include "TJetPictureFill.h"
#include "TJetReader.h"
#include "TJetReaderRun.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteNameIndex.h"
#include "TSQLiteStatement.h"
#include "TSQLiteTableInfo.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>
#include <utility>

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

// A new copy in file, its tables empty, open for writing in the transaction that makes
// it. It is made in one go and never used when cut short: it needs neither journal nor
// flushes.
std::unique_ptr<TSQLiteDatabase> CreateCopy(const QString& file, int busyTimeoutMs)
{
    CreateEmpty(file);
    auto database =
        std::make_unique<TSQLiteDatabase>(file, TSQLiteDatabase::TAccess::ReadWrite, busyTimeoutMs);
    database->Execute(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN"),
                      buildAction);
    database->Execute(QString::fromLatin1(TCatalogueSchema::pictureTable), buildAction);
    database->Execute(QString::fromLatin1(sourceTable), buildAction);
    return database;
}

// The indexes of a copy, made once its rows are in: by category and by name.
void CreateIndexes(TSQLiteDatabase& database)
{
    database.Execute(QString::fromLatin1(TCatalogueSchema::parentIndex), buildAction);
    TSQLiteNameIndex::Create(database,
                             TSQLiteTableInfo::Read(database, QStringLiteral("main"),
                                                    QStringLiteral("picture"), buildAction),
                             buildAction);
}

// Makes the copy whose rows are added ready to be browsed while its pictures are written
// (in WAL mode: see TJetPictureFill); false when it cannot be. Its indexes come once the
// pictures are in: until then a category's rows are found by reading the table, which
// holds no picture bytes yet, faster than making the index.
bool OpenToBrowsing(TSQLiteDatabase& copy, TJetCopyRows& rows)
{
    rows.Flush();
    copy.Execute(QStringLiteral("COMMIT"), buildAction);
    TSQLiteStatement mode(copy, QStringLiteral("PRAGMA journal_mode=WAL"), buildAction);
    return mode.Step() && mode.Column(0).toString() == QLatin1String("wal");
}

// Writes into the copy what it was made from, by this version: it is whole.
void MarkWhole(TSQLiteDatabase& database, const QString& path, qint64 size, qint64 modifiedMs)
{
    TSQLiteStatement made(database, QStringLiteral("INSERT INTO access_source VALUES(?, ?, ?, ?)"),
                          buildAction);
    made.Bind(1, path);
    made.Bind(2, size);
    made.Bind(3, modifiedMs);
    made.Bind(4, copyVersion);
    made.Step();
}

// A name of its own for a copy being made by this process.
QString PartPath(const QString& copy)
{
    static int made = 0;
    return copy + QStringLiteral(".part-%1-%2").arg(::getpid()).arg(++made);
}

// No process has the id pid any more (one that another user runs still counts).
bool ProcessIsGone(int pid)
{
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

QString TJetCatalogueCache::Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/zentuvio/access");
}

QString TJetCatalogueCache::CopyPath(const QString& path)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    return Folder() + QLatin1Char('/') +
           QString::fromLatin1(
               QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex()) +
           QStringLiteral(".sqlite");
}

TJetCatalogueCache::TOpened TJetCatalogueCache::Open(const QString& path, int busyTimeoutMs)
{
    const QFileInfo source(path);
    const QString copy = CopyPath(path);
    RemoveLeftovers(copy);
    TOpened opened;
    opened.database = OpenCurrent(copy, source, busyTimeoutMs);
    if (opened.database)
        return opened;
    if (!QDir().mkpath(Folder()))
        throw EDatabaseError(QStringLiteral("%1 '%2': the folder '%3' cannot be made.")
                                 .arg(buildAction, path, Folder()));
    const QString part = PartPath(copy);
    try {
        if (OpenWhileFilling(source, part, copy, busyTimeoutMs, opened))
            return opened;
        // Damaged: copied now as far as it can be read, so that the rows read are shown
        // and the message says how many.
        opened.problem = Build(source, part, busyTimeoutMs);
        // A damaged file's copy is used this once, so that the next opening reads the file
        // again and says again what is missing. It stays a file while it is used, for the
        // connections that searches open on it.
        const bool whole = opened.problem.isEmpty();
        if (!whole)
            opened.usedOnce = TUsedOnce(part);
        else if (std::rename(QFile::encodeName(part).constData(),
                             QFile::encodeName(copy).constData()) != 0)
            throw EDatabaseError(QStringLiteral("%1 '%2': cannot rename '%3' to '%4'.")
                                     .arg(buildAction, path, part, copy));
        opened.database = std::make_unique<TSQLiteDatabase>(
            whole ? copy : part, TSQLiteDatabase::TAccess::ReadOnly, busyTimeoutMs);
        return opened;
    } catch (...) {
        opened.database.reset();
        opened.fill.reset();
        RemoveCopy(part);
        throw;
    }
}

bool TJetCatalogueCache::OpenWhileFilling(const QFileInfo& source, const QString& part,
                                          const QString& copy, int busyTimeoutMs, TOpened& opened)
{
    // The file as it is before the reader starts: should it change meanwhile, the copy is
    // made again next time.
    const qint64 size = source.size();
    const qint64 modified = ModifiedMs(source);
    std::unique_ptr<TSQLiteDatabase> writer;
    std::optional<TJetCopyRows> rows;
    std::vector<qint64> rowIds;
    std::vector<std::uint64_t> pending;
    auto reader =
        std::make_unique<TJetReaderRun>(source.absoluteFilePath(), [&](const TJetRow& row) {
            // A picture with bytes comes later; until then its row holds NULL.
            const bool comesLater = row.state == TJetRowFormat::vsStored && row.storedLength > 0;
            rowIds.push_back(
                rows->Add(row, comesLater ? QVariant() : TAccessOleObject::PictureOf(row)));
            if (comesLater)
                pending.push_back(row.number);
        });
    // Started first: the copy is created while the reader starts.
    reader->Start(TJetReader::TContent::Serve);
    writer = CreateCopy(part, busyTimeoutMs);
    rows.emplace(*writer);
    const QString stopped =
        reader->Follow([&] { return reader->Stream().Listed() || reader->Stream().Ended(); });
    const bool browsable =
        stopped.isEmpty() && reader->ListedWhole() && OpenToBrowsing(*writer, *rows);
    rows.reset();
    if (!browsable) {
        reader.reset();
        writer.reset();
        RemoveCopy(part);
        return false;
    }
    opened.database =
        std::make_unique<TSQLiteDatabase>(part, TSQLiteDatabase::TAccess::ReadOnly, busyTimeoutMs);
    TJetPictureFill::TCopy filled{
        std::move(writer), copy, source.absoluteFilePath(), CreateIndexes,
        [path = source.absoluteFilePath(), size, modified](TSQLiteDatabase& database) {
            MarkWhole(database, path, size, modified);
        }};
    opened.fill = std::make_unique<TJetPictureFill>(std::move(reader), std::move(filled),
                                                    std::move(rowIds), pending);
    return true;
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
    const std::unique_ptr<TSQLiteDatabase> database = CreateCopy(file, busyTimeoutMs);
    TJetCopyRows rows(*database);
    const TJetReader::TSummary summary = TJetReader::Read(
        source.absoluteFilePath(), TJetReader::TContent::Values,
        [&](const TJetRow& row) { rows.Add(row, TAccessOleObject::PictureOf(row)); });
    rows.Flush();
    CreateIndexes(*database);
    MarkWhole(*database, source.absoluteFilePath(), source.size(), ModifiedMs(source));
    database->Execute(QStringLiteral("COMMIT"), buildAction);
    return summary.problem;
}

void TJetCatalogueCache::RemoveCopy(const QString& file)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(file + QLatin1String(suffix));
}

void TJetCatalogueCache::RemoveLeftovers(const QString& copy)
{
    const QFileInfo kept(copy);
    const QString prefix = kept.fileName() + QStringLiteral(".part-");
    // PartPath's names, and those of the copy's journal beside them.
    static const QRegularExpression part(QRegularExpression::anchoredPattern(
        QStringLiteral("(\\d{1,9})-\\d+(-wal|-shm|-journal)?")));
    // Every opening looks: the folder is read as it is, without a name filter to compile.
    QDirIterator entries(kept.path(), QDir::Files | QDir::Hidden);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (!name.startsWith(prefix))
            continue;
        const QRegularExpressionMatch match = part.match(QStringView(name).mid(prefix.size()));
        if (match.hasMatch() && ProcessIsGone(match.captured(1).toInt()))
            QFile::remove(entries.filePath());
    }
}

TJetCatalogueCache::TUsedOnce::TUsedOnce(QString file)
    : m_file(std::move(file))
{}

TJetCatalogueCache::TUsedOnce::TUsedOnce(TUsedOnce&& other) noexcept
    : m_file(std::exchange(other.m_file, QString()))
{}

TJetCatalogueCache::TUsedOnce& TJetCatalogueCache::TUsedOnce::operator=(TUsedOnce&& other) noexcept
{
    std::swap(m_file, other.m_file);
    return *this;
}

TJetCatalogueCache::TUsedOnce::~TUsedOnce()
{
    if (!m_file.isEmpty())
        RemoveCopy(m_file);
}

TJetCatalogueCache::TOpened::TOpened() = default;
TJetCatalogueCache::TOpened::TOpened(TOpened&&) noexcept = default;
TJetCatalogueCache::TOpened::~TOpened() = default;
