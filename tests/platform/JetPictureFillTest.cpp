#include "JetTestSupport.h"
#include "TErrorReport.h"
#include "TJetCatalogueCache.h"
#include "TJetPictureFill.h"
#include "TJetReader.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteStatement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The first opening of an Access catalogue: its rows are in the copy at once, each
// picture comes when it is awaited and the rest while the event loop runs; the copy is
// kept only once every picture is in and the browsing connection has closed; a reader
// that fails meanwhile is reported and leaves no copy that could be taken for whole.
using namespace JetTestSupport;

namespace {

// The picture of the row with id as the browsing connection reads it: its SHA-256, "NULL",
// or "no row".
QByteArray StoredPicture(TSQLiteDatabase& database, qint64 id)
{
    TSQLiteStatement select(database, QStringLiteral("SELECT Mirelvane FROM picture WHERE ID = ?1"),
                            testAction);
    select.Bind(1, id);
    if (!select.Step())
        return "no row";
    const QVariant value = select.Column(0);
    return value.isValid() ? Sha256(value.toByteArray()) : QByteArray("NULL");
}

// What the manifest says the copy must hold for a row when its picture is in.
QByteArray Expected(const TManifestRow& row)
{
    return row.length < 0 ? QByteArray("NULL") : row.sha256;
}

// The reader, started through a shell script that stands between it and its requests.
class TReaderBehind {
public:
    explicit TReaderBehind(const QByteArray& requestsThrough)
        : m_real(TJetReader::Program())
    {
        const QString script = m_folder.filePath(QStringLiteral("reader"));
        WriteFile(script, "#!/bin/sh\n" + requestsThrough + " | '" + QFile::encodeName(m_real) +
                              "' \"$@\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
        TJetReader::SetProgram(script);
    }
    ~TReaderBehind() { TJetReader::SetProgram(m_real); }

private:
    QTemporaryDir m_folder;
    QString m_real;
};

} // namespace

TEST(JetPictureFill, RowsAreThereAtOnceAndEachPictureWhenItIsAwaited)
{
    const TJetScope scope;
    for (const QString& name : PlainCatalogues()) {
        SCOPED_TRACE(name.toStdString());
        const std::vector<TManifestRow> manifest = Manifest(name);
        TJetCatalogueCache::TOpened opened =
            TJetCatalogueCache::Open(FixturePath(name + QStringLiteral(".mdb")), 1000);
        ASSERT_TRUE(opened.fill);
        EXPECT_TRUE(opened.problem.isEmpty());
        // Rows without picture bytes are whole at once; the others wait for theirs.
        for (const TManifestRow& row : manifest)
            EXPECT_EQ(StoredPicture(*opened.database, row.id),
                      row.length > 0 ? QByteArray("NULL") : Expected(row));
        // The large picture, asked for alone, comes alone: nothing else has run.
        const TManifestRow& large = manifest[7];
        opened.fill->Await(large.id);
        EXPECT_EQ(StoredPicture(*opened.database, large.id), large.sha256);
        EXPECT_EQ(StoredPicture(*opened.database, manifest[1].id), QByteArray("NULL"));
        opened.fill->Await(manifest[1].id);
        EXPECT_EQ(StoredPicture(*opened.database, manifest[1].id), manifest[1].sha256);
        LetPicturesArrive();
        EXPECT_TRUE(opened.fill->Complete());
        for (const TManifestRow& row : manifest)
            EXPECT_EQ(StoredPicture(*opened.database, row.id), Expected(row)) << row.id;
    }
}

// Answers to the background's requests that arrive while a picture is awaited are taken in
// afterwards, and the background goes on: the fill neither stalls nor fails.
TEST(JetPictureFill, APictureAwaitedWhileTheBackgroundRunsLeavesItRunningToTheEnd)
{
    const TJetScope scope;
    const TJetReader::TLimits usual = TJetReader::Limits();
    TJetReader::SetLimits({usual.memoryMiB, 2000, usual.totalMs});
    const std::vector<TManifestRow> manifest = Manifest(QStringLiteral("catalogue-jet4-v2003"));
    TJetCatalogueCache::TOpened opened =
        TJetCatalogueCache::Open(FixturePath(QStringLiteral("catalogue-jet4-v2003.mdb")), 1000);
    ASSERT_TRUE(opened.fill);
    QCoreApplication::processEvents(); // the background asks for its first pictures
    opened.fill->Await(manifest[0].id);
    LetPicturesArrive();
    TJetReader::SetLimits(usual);
    EXPECT_TRUE(opened.fill->Complete()) << opened.fill->Failure().toStdString();
    for (const TManifestRow& row : manifest)
        EXPECT_EQ(StoredPicture(*opened.database, row.id), Expected(row)) << row.id;
}

TEST(JetPictureFill, AWholeCopyIsKeptOnceTheBrowsingConnectionHasClosed)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4-olewrapped.mdb"));
    {
        TJetCatalogueCache::TOpened opened = TJetCatalogueCache::Open(path, 1000);
        ASSERT_TRUE(opened.fill);
        opened.fill->AwaitAll();
        EXPECT_TRUE(opened.fill->Complete());
        EXPECT_EQ(TJetPictureFill::Running(), 0);
        EXPECT_FALSE(QFileInfo::exists(TJetCatalogueCache::CopyPath(path)))
            << "kept while still browsed in WAL mode";
    }
    // One plain file, out of WAL mode, and the next opening needs no reader.
    EXPECT_EQ(CacheFiles(), QStringList{QFileInfo(TJetCatalogueCache::CopyPath(path)).fileName()});
    TSQLiteDatabase kept(TJetCatalogueCache::CopyPath(path), TSQLiteDatabase::TAccess::ReadOnly,
                         1000);
    TSQLiteStatement mode(kept, QStringLiteral("PRAGMA journal_mode"), testAction);
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Column(0).toString(), QStringLiteral("delete"));
    // Its indexes, made after the pictures, are there.
    TSQLiteStatement indexes(kept,
                             QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE name IN "
                                            "('picture_parent', 'picture_names')"),
                             testAction);
    ASSERT_TRUE(indexes.Step());
    EXPECT_EQ(indexes.ColumnInt64(0), 2);
    const QString reader = TJetReader::Program();
    TJetReader::SetProgram(QStringLiteral("/nonexistent/reader"));
    TJetCatalogueCache::TOpened again = TJetCatalogueCache::Open(path, 1000);
    TJetReader::SetProgram(reader);
    EXPECT_FALSE(again.fill);
    // The OLE objects are unwrapped, as when the copy is made at once.
    EXPECT_EQ(StoredPicture(*again.database, 1),
              Sha256(ReadFile(FixturePath(QStringLiteral("images/small2.jpg")))));
    EXPECT_EQ(StoredPicture(*again.database, 2),
              Sha256(ReadFile(FixturePath(QStringLiteral("images/small16.bmp")))));
}

TEST(JetPictureFill, ACopyLeftBeforeItsPicturesAreInIsNeverKept)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    {
        TJetCatalogueCache::TOpened opened = TJetCatalogueCache::Open(path, 1000);
        ASSERT_TRUE(opened.fill);
        opened.fill->Await(Manifest(QStringLiteral("catalogue-jet4"))[1].id);
        EXPECT_FALSE(opened.fill->Complete());
    }
    EXPECT_EQ(TJetPictureFill::Running(), 0);
    EXPECT_TRUE(CacheFiles().isEmpty()) << CacheFiles().join(QLatin1Char(' ')).toStdString();
    TJetCatalogueCache::TOpened again = TJetCatalogueCache::Open(path, 1000);
    EXPECT_TRUE(again.fill) << "an unfinished copy was taken for whole";
}

TEST(JetPictureFill, AReaderThatEndsWhilePicturesAreToComeIsReportedAndLeavesNoCopy)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    const std::vector<TManifestRow> manifest = Manifest(QStringLiteral("catalogue-jet4"));
    TReports reports;
    {
        // The reader gets one request; then its input ends and so does it.
        const TReaderBehind oneRequest("head -n 1");
        TJetCatalogueCache::TOpened opened = TJetCatalogueCache::Open(path, 1000);
        ASSERT_TRUE(opened.fill);
        opened.fill->Await(manifest[1].id);
        EXPECT_EQ(StoredPicture(*opened.database, manifest[1].id), manifest[1].sha256);
        opened.fill->Await(manifest[2].id);
        EXPECT_FALSE(opened.fill->Failure().isEmpty());
        EXPECT_EQ(StoredPicture(*opened.database, manifest[2].id), QByteArray("NULL"));
        // Waiting again for a picture that cannot come returns at once.
        QElapsedTimer timer;
        timer.start();
        opened.fill->Await(manifest[3].id);
        opened.fill->AwaitAll();
        EXPECT_LT(timer.elapsed(), 1000);
    }
    ASSERT_EQ(reports.Texts().size(), 1);
    EXPECT_TRUE(reports.Texts()[0].contains(path));
    EXPECT_TRUE(reports.Texts()[0].contains(QStringLiteral("could not be read")))
        << reports.Texts()[0].toStdString();
    EXPECT_TRUE(CacheFiles().isEmpty());
}

TEST(JetPictureFill, AReaderThatGivesNoAnswerIsStoppedAtTheTimeLimit)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    const TJetReader::TLimits usual = TJetReader::Limits();
    TJetReader::SetLimits({usual.memoryMiB, 300, usual.totalMs});
    TReports reports;
    {
        // The reader lists the rows, but its requests never reach it.
        const TReaderBehind noRequests("sleep 60");
        TJetCatalogueCache::TOpened opened = TJetCatalogueCache::Open(path, 1000);
        TJetReader::SetLimits(usual);
        ASSERT_TRUE(opened.fill);
        QElapsedTimer timer;
        timer.start();
        opened.fill->Await(Manifest(QStringLiteral("catalogue-jet4"))[1].id);
        EXPECT_LT(timer.elapsed(), 10000);
        EXPECT_TRUE(opened.fill->Failure().contains(QStringLiteral("no answer")))
            << opened.fill->Failure().toStdString();
    }
    TJetReader::SetLimits(usual);
    ASSERT_EQ(reports.Texts().size(), 1);
    EXPECT_TRUE(CacheFiles().isEmpty());
}

// Another program holding the copy's write lock stands for any write that fails (a full
// disk): the fill ends, says why once, and the gallery goes on without the pictures.
TEST(JetPictureFill, ACopyThatCannotBeWrittenEndsTheFillWithAReport)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    const std::vector<TManifestRow> manifest = Manifest(QStringLiteral("catalogue-jet4"));
    TReports reports;
    {
        TJetCatalogueCache::TOpened opened = TJetCatalogueCache::Open(path, 300);
        ASSERT_TRUE(opened.fill);
        TSQLiteDatabase other(opened.database->Path(), TSQLiteDatabase::TAccess::ReadWrite, 0);
        other.Execute(QStringLiteral("BEGIN IMMEDIATE"), testAction);
        opened.fill->Await(manifest[1].id);
        EXPECT_FALSE(opened.fill->Bringing());
        EXPECT_TRUE(opened.fill->Failure().contains(QStringLiteral("locked")))
            << opened.fill->Failure().toStdString();
        EXPECT_EQ(StoredPicture(*opened.database, manifest[1].id), QByteArray("NULL"));
        // Nothing is waited for any more, and the background stays still.
        opened.fill->AwaitAll();
        LetPicturesArrive();
        EXPECT_EQ(TJetPictureFill::Running(), 0);
    }
    ASSERT_EQ(reports.Texts().size(), 1);
    EXPECT_TRUE(reports.Texts()[0].contains(QStringLiteral("Cannot copy the pictures")))
        << reports.Texts()[0].toStdString();
    EXPECT_TRUE(CacheFiles().isEmpty()) << CacheFiles().join(u' ').toStdString();
}
