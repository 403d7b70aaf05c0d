#include "JetTestSupport.h"
#include "ProgramRun.h"
#include "TJetCatalogueCache.h"
#include "TJetReader.h"
#include "Waits.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The gallery on an Access catalogue, as a user starts it: a category shows the same
// count and the same thumbnails as the SQLite copy that the tool makes of it, and damaged
// files are reported while the gallery goes on.
using namespace JetTestSupport;

namespace {

class JetCatalogueProgram : public ::testing::Test {
protected:
    ProgramRun Gallery(const QString& catalogue, const QString& screenshot, const QString& click)
    {
        QProcessEnvironment environment = ProgramRun::Offscreen();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_scope.CacheFolder());
        const ProgramRun run =
            ProgramRun::Of(QStringLiteral(ZENTUVIO_EXECUTABLE),
                           {QStringLiteral("--catalogue"), catalogue,
                            QStringLiteral("--screenshot"), screenshot, QStringLiteral("--click"),
                            click, QStringLiteral("--print"), QStringLiteral("Label10")},
                           environment);
        EXPECT_TRUE(run.finished);
        return run;
    }
    QString SqliteCopy(const QString& access)
    {
        const QString copy =
            m_folder.filePath(QFileInfo(access).baseName() + QStringLiteral(".db"));
        const ProgramRun import =
            ProgramRun::Of(QStringLiteral(ZENTUVIO_CATALOGUE_TOOL),
                           {QStringLiteral("import-mdb"), access, copy}, ProgramRun::Offscreen());
        EXPECT_EQ(import.exitCode, 0) << qPrintable(import.errors);
        return copy;
    }
    QString Shot(const QString& name) const { return m_folder.filePath(name); }
    // Starts the gallery on catalogue from a folder where it finds a reader that lists
    // the rows but only writes the requests for pictures to requests, answering none.
    void StartWithAMuteReader(QProcess& gallery, const QString& catalogue, const QString& requests)
    {
        const QString program = m_folder.filePath(QStringLiteral("zentuvio"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZENTUVIO_EXECUTABLE), program));
        const QString reader = m_folder.filePath(QStringLiteral("zentuvio-jet-reader"));
        WriteFile(reader, "#!/bin/sh\ncat > '" + QFile::encodeName(requests) + "' | '" +
                              QFile::encodeName(TJetReader::Program()) + "' \"$@\"\n");
        QFile::setPermissions(reader, QFile::ReadOwner | QFile::ExeOwner);
        QProcessEnvironment environment = ProgramRun::Offscreen();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_scope.CacheFolder());
        gallery.setProcessEnvironment(environment);
        gallery.start(program, {QStringLiteral("--catalogue"), catalogue,
                                QStringLiteral("--screenshot"), Shot(QStringLiteral("muted.png")),
                                QStringLiteral("--click"), QStringLiteral("SpeedButton16")});
    }

    TJetScope m_scope;
    QTemporaryDir m_folder;
};

} // namespace

TEST_F(JetCatalogueProgram, ACategoryShowsWhatTheSQLiteCopyShows)
{
    const QString access = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    const QString copy = SqliteCopy(access);
    for (const QString& click : {QStringLiteral("SpeedButton16"), QStringLiteral("SpeedButton6")}) {
        const ProgramRun fromAccess = Gallery(access, Shot(QStringLiteral("access.png")), click);
        const ProgramRun fromCopy = Gallery(copy, Shot(QStringLiteral("copy.png")), click);
        EXPECT_EQ(fromAccess.exitCode, 0) << qPrintable(fromAccess.errors);
        EXPECT_EQ(fromAccess.output, fromCopy.output);
        const QImage shown(Shot(QStringLiteral("access.png")));
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(shown, QImage(Shot(QStringLiteral("copy.png")))) << qPrintable(click);
    }
    EXPECT_EQ(
        Gallery(access, Shot(QStringLiteral("icons.png")), QStringLiteral("SpeedButton16")).output,
        QStringLiteral("综合类共:4个\n"));
}

TEST_F(JetCatalogueProgram, DamagedFilesAreReportedAndTheGalleryGoesOn)
{
    const QString zeroed = m_scope.ZeroedHeader(QStringLiteral("catalogue-jet4"));
    const ProgramRun refused =
        Gallery(zeroed, Shot(QStringLiteral("zeroed.png")), QStringLiteral("SpeedButton16"));
    EXPECT_EQ(refused.exitCode, 0);
    EXPECT_TRUE(refused.errors.contains(zeroed)) << qPrintable(refused.errors);
    EXPECT_TRUE(refused.errors.contains(QStringLiteral("neither an SQLite database")));
    EXPECT_FALSE(QImage(Shot(QStringLiteral("zeroed.png"))).isNull());

    const qsizetype size = QFileInfo(FixturePath(QStringLiteral("catalogue-jet4.mdb"))).size();
    const QString truncated =
        m_scope.Truncated(QStringLiteral("catalogue-jet4"), size - 30 * pageBytes);
    const ProgramRun partial =
        Gallery(truncated, Shot(QStringLiteral("partial.png")), QStringLiteral("SpeedButton16"));
    EXPECT_EQ(partial.exitCode, 0);
    EXPECT_TRUE(partial.errors.contains(QStringLiteral("could not be read")))
        << qPrintable(partial.errors);
    EXPECT_EQ(partial.output, QStringLiteral("综合类共:4个\n"));
}

// Killed while the first opening's pictures come, the gallery leaves a copy in the making
// that no later opening takes for whole; the next gallery removes it and shows the
// category as the SQLite copy does.
TEST_F(JetCatalogueProgram, AGalleryKilledWhilePicturesComeLeavesNoCopyToTrust)
{
    const QString access = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    const QString requests = m_folder.filePath(QStringLiteral("requests"));
    QProcess killed;
    StartWithAMuteReader(killed, access, requests);
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(requests).size() > 0; }, 60000))
        << "no picture was asked for";
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished());
    const QString copy = TJetCatalogueCache::CopyPath(access);
    EXPECT_FALSE(QFileInfo::exists(copy));
    const QStringList left = CacheFiles();
    ASSERT_FALSE(left.isEmpty()) << "killed before it made a copy";

    const ProgramRun next =
        Gallery(access, Shot(QStringLiteral("access.png")), QStringLiteral("SpeedButton16"));
    EXPECT_EQ(next.output, QStringLiteral("综合类共:4个\n"));
    Gallery(SqliteCopy(access), Shot(QStringLiteral("copy.png")), QStringLiteral("SpeedButton16"));
    EXPECT_EQ(QImage(Shot(QStringLiteral("access.png"))), QImage(Shot(QStringLiteral("copy.png"))));
    for (const QString& file : left)
        EXPECT_FALSE(QFileInfo::exists(TJetCatalogueCache::Folder() + QLatin1Char('/') + file))
            << file.toStdString();
}
