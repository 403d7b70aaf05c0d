#include "Exception.h"
#include "JetTestSupport.h"
#include "TJetReader.h"
#include "TJetReaderRun.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Reading Access catalogues through the reader program: every row as the manifest has
// it, byte for byte; damaged files read as far as they can be, under limits, with a
// message that says the rest could not be read; the files never changed.
using namespace JetTestSupport;

namespace {

struct TRead {
    TJetReader::TSummary summary;
    std::vector<TJetRow> rows;
};

TRead ReadAll(const QString& path, TJetReader::TContent content = TJetReader::TContent::Values,
              qint64 id = 0)
{
    TRead read;
    read.summary = TJetReader::Read(
        path, content, [&](const TJetRow& row) { read.rows.push_back(row); }, id);
    return read;
}

QString OpenError(const QString& path)
{
    try {
        ReadAll(path);
    } catch (const EDatabaseError& error) {
        return error.Message();
    }
    return QString();
}

// Why a read stopped: the problem of a partial read, or the error when nothing was read.
QString StopReason(const QString& path)
{
    try {
        return ReadAll(path).summary.problem;
    } catch (const EDatabaseError& error) {
        return error.Message();
    }
}

// Limits for one test, the usual ones again afterwards.
class TLimitsScope {
public:
    explicit TLimitsScope(const TJetReader::TLimits& limits)
        : m_previous(TJetReader::Limits())
    {
        TJetReader::SetLimits(limits);
    }
    ~TLimitsScope() { TJetReader::SetLimits(m_previous); }

private:
    TJetReader::TLimits m_previous;
};

class TProgramScope {
public:
    explicit TProgramScope(const QString& program)
        : m_previous(TJetReader::Program())
    {
        TJetReader::SetProgram(program);
    }
    ~TProgramScope() { TJetReader::SetProgram(m_previous); }

private:
    QString m_previous;
};

} // namespace

TEST(JetReader, EveryRowComesAsTheManifestHasIt)
{
    const TJetScope scope;
    for (const QString& name : AllCatalogues()) {
        const std::vector<TManifestRow> manifest = Manifest(name);
        const TRead read = ReadAll(FixturePath(name + QStringLiteral(".mdb")));
        EXPECT_TRUE(read.summary.Complete()) << read.summary.problem.toStdString();
        EXPECT_EQ(read.summary.expectedRows, manifest.size());
        EXPECT_EQ(read.summary.columns, TJetRowFormat::coId); // no name or file columns
        ASSERT_EQ(read.rows.size(), manifest.size()) << name.toStdString();
        for (std::size_t i = 0; i < manifest.size(); ++i) {
            const TJetRow& row = read.rows[i];
            SCOPED_TRACE(manifest[i].source.toStdString());
            EXPECT_EQ(row.number, i + 1);
            EXPECT_EQ(row.id, manifest[i].id);
            EXPECT_EQ(row.parent, manifest[i].parent);
            if (manifest[i].length < 0) {
                EXPECT_EQ(row.state, TJetRowFormat::vsNull);
                continue;
            }
            EXPECT_EQ(row.state, TJetRowFormat::vsStored);
            EXPECT_EQ(qint64(row.storedLength), manifest[i].length);
            EXPECT_EQ(Sha256(QByteArray::fromStdString(row.bytes)), manifest[i].sha256);
        }
    }
}

TEST(JetReader, LengthsComeWithoutBytesAndOneRowComesAlone)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    const TRead lengths = ReadAll(path, TJetReader::TContent::Lengths);
    ASSERT_EQ(lengths.rows.size(), 8u);
    EXPECT_EQ(lengths.rows[7].storedLength, 303755u);
    EXPECT_TRUE(lengths.rows[7].bytes.empty());
    const TRead big = ReadAll(path, TJetReader::TContent::ValueOf, 8);
    EXPECT_TRUE(big.summary.Complete());
    ASSERT_EQ(big.rows.size(), 1u);
    EXPECT_EQ(Sha256(QByteArray::fromStdString(big.rows[0].bytes)),
              Manifest("catalogue-jet4")[7].sha256);
    EXPECT_TRUE(ReadAll(path, TJetReader::TContent::ValueOf, 99).rows.empty());
}

// A serving reader lists the rows as the lengths do, then sends the picture of each row
// asked for, in any order, as reading them all does.
TEST(JetReader, AServingReaderSendsThePictureOfEachRowAskedFor)
{
    const TJetScope scope;
    for (const QString& name : AllCatalogues()) {
        SCOPED_TRACE(name.toStdString());
        const std::vector<TManifestRow> manifest = Manifest(name);
        std::vector<TJetRow> listed;
        std::vector<TJetRow> served;
        TJetReaderRun run(FixturePath(name + QStringLiteral(".mdb")),
                          [&](const TJetRow& row) { listed.push_back(row); });
        run.Start(TJetReader::TContent::Serve);
        EXPECT_TRUE(run.Follow([&] { return run.Stream().Listed(); }).isEmpty());
        ASSERT_TRUE(run.ListedWhole());
        ASSERT_EQ(listed.size(), manifest.size());
        for (const TJetRow& row : listed)
            EXPECT_TRUE(row.bytes.empty());
        run.SetVisit([&](const TJetRow& row) { served.push_back(row); });
        for (std::uint64_t number = manifest.size(); number >= 1; --number)
            run.Ask(number);
        EXPECT_TRUE(run.Follow([&] { return served.size() == manifest.size(); }).isEmpty());
        ASSERT_EQ(served.size(), manifest.size());
        for (std::size_t i = 0; i < served.size(); ++i) {
            const TJetRow& row = served[i];
            const TManifestRow& wanted = manifest[manifest.size() - 1 - i];
            EXPECT_EQ(row.number, manifest.size() - i);
            EXPECT_EQ(row.id, wanted.id);
            EXPECT_EQ(row.parent, wanted.parent);
            if (wanted.length >= 0)
                EXPECT_EQ(Sha256(QByteArray::fromStdString(row.bytes)), wanted.sha256);
            else
                EXPECT_EQ(row.state, TJetRowFormat::vsNull);
        }
        // Its requests ended, the reader ends as a whole read does.
        run.EndRequests();
        EXPECT_TRUE(run.Process().waitForFinished(10000));
        EXPECT_EQ(run.Process().exitCode(), 0);
    }
}

TEST(JetReader, AServingReaderAskedForARowItHasNotListedSaysSoAndEnds)
{
    const TJetScope scope;
    TJetReaderRun run(FixturePath(QStringLiteral("catalogue-jet4.mdb")), [](const TJetRow&) {});
    run.Start(TJetReader::TContent::Serve);
    run.Follow([&] { return run.Stream().Listed(); });
    run.Ask(9);
    const QString stopped = run.Follow([] { return false; });
    EXPECT_TRUE(run.Stream().Ended());
    EXPECT_TRUE(run.Cause(stopped).contains(QStringLiteral("a row it has not listed")))
        << run.Cause(stopped).toStdString();
}

TEST(JetReader, FilesThatCannotBeReadAtAllNameTheFileAndWhy)
{
    TJetScope scope;
    const QString zeroed = scope.ZeroedHeader(QStringLiteral("catalogue-jet4"));
    EXPECT_TRUE(OpenError(zeroed).contains(zeroed));
    // A header the library cannot take.
    QByteArray header = ReadFile(FixturePath(QStringLiteral("catalogue-jet4.mdb"))).left(pageBytes);
    const QString headerOnly = scope.Written(QStringLiteral("header-only.mdb"), header.left(600));
    const QString error = OpenError(headerOnly);
    EXPECT_TRUE(error.contains(headerOnly)) << error.toStdString();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot open the catalogue")))
        << error.toStdString();
}

TEST(JetReader, AMissingReaderProgramIsNamed)
{
    const TJetScope scope;
    const TProgramScope program(QStringLiteral("/nonexistent/zentuvio-jet-reader"));
    const QString error = OpenError(FixturePath(QStringLiteral("catalogue-jet4.mdb")));
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/zentuvio-jet-reader")))
        << error.toStdString();
}

TEST(JetReader, ATruncatedFileGivesTheRowsBeforeTheCutAndSaysTheRestIsMissing)
{
    TJetScope scope;
    const QByteArray whole = ReadFile(FixturePath(QStringLiteral("catalogue-jet4.mdb")));
    const std::vector<TManifestRow> manifest = Manifest(QStringLiteral("catalogue-jet4"));
    int partial = 0;
    for (qsizetype keep = 4 * pageBytes; keep < whole.size(); keep += 7 * pageBytes + 123) {
        const QString path = scope.Truncated(QStringLiteral("catalogue-jet4"), keep);
        TRead read;
        try {
            read = ReadAll(path);
        } catch (const EDatabaseError& error) {
            EXPECT_TRUE(error.Message().contains(path));
            continue;
        }
        // Rows that came are the manifest's; the message counts them.
        for (const TJetRow& row : read.rows) {
            const TManifestRow& expected = manifest[row.number - 1];
            EXPECT_EQ(row.id, expected.id);
            if (row.state == TJetRowFormat::vsStored && expected.length > 0) {
                EXPECT_EQ(Sha256(QByteArray::fromStdString(row.bytes)), expected.sha256);
            }
        }
        const bool damagedValue =
            std::any_of(read.rows.begin(), read.rows.end(),
                        [](const TJetRow& r) { return r.state == TJetRowFormat::vsDamaged; });
        if (read.rows.size() < manifest.size() || damagedValue)
            ++partial;
        if (read.rows.size() < manifest.size()) {
            EXPECT_FALSE(read.summary.Complete()) << "cut at " << keep;
            EXPECT_TRUE(
                read.summary.problem.contains(QStringLiteral("the rest could not be read")));
            EXPECT_TRUE(read.summary.problem.contains(
                QStringLiteral("%1 of its 8 rows").arg(read.rows.size())))
                << read.summary.problem.toStdString();
        } else if (damagedValue) {
            EXPECT_TRUE(read.summary.problem.contains(QStringLiteral("only in part")))
                << read.summary.problem.toStdString();
        } else {
            EXPECT_TRUE(read.summary.Complete());
        }
    }
    EXPECT_GT(partial, 0) << "no cut left a partial read";
}

TEST(JetReader, FlippedBytesInDataPagesNeverTakeTheCallerDown)
{
    TJetScope scope;
    for (quint32 seed = 1; seed <= 24; ++seed) {
        const QString path = scope.FlippedDataPages(QStringLiteral("catalogue-jet4"), seed, 6);
        QElapsedTimer timer;
        timer.start();
        try {
            const TRead read = ReadAll(path);
            EXPECT_LE(read.rows.size(), 8u);
            if (!read.summary.Complete()) {
                EXPECT_TRUE(read.summary.problem.contains(path));
            }
        } catch (const EDatabaseError& error) {
            EXPECT_TRUE(error.Message().contains(path)) << error.Message().toStdString();
        }
        EXPECT_LT(timer.elapsed(), 20000) << "seed " << seed;
    }
}

TEST(JetReader, AValueWhosePageChainLoopsIsReadToItsLengthAndNoFurther)
{
    TJetScope scope;
    const std::vector<TManifestRow> manifest = Manifest(QStringLiteral("catalogue-jet4"));
    const QString path = scope.LoopedChain(QStringLiteral("catalogue-jet4"), 303755);
    QElapsedTimer timer;
    timer.start();
    const TRead read = ReadAll(path);
    EXPECT_LT(timer.elapsed(), 20000);
    ASSERT_EQ(read.rows.size(), manifest.size());
    // The loop repeats pages already read: no reader can tell the bytes are wrong, but
    // none beyond the value's length are read.
    EXPECT_EQ(read.rows[7].bytes.size(), 303755u);
    EXPECT_NE(Sha256(QByteArray::fromStdString(read.rows[7].bytes)), manifest[7].sha256);
    EXPECT_EQ(Sha256(QByteArray::fromStdString(read.rows[2].bytes)), manifest[2].sha256);
}

TEST(JetReader, AReaderOverItsMemoryLimitIsStoppedAndReported)
{
    const TJetScope scope;
    // The reader's own resident memory is more than a MiB: the first look stops it, before
    // or after its first rows. The 300 KB picture fills the pipe, so the reader is still
    // there to be looked at.
    const TLimitsScope limits({1, 20000, 600000});
    const QString reason = StopReason(FixturePath(QStringLiteral("catalogue-jet4.mdb")));
    EXPECT_TRUE(reason.contains(QStringLiteral("more than 1 MiB"))) << reason.toStdString();
}

TEST(JetReader, AReaderThatSaysNothingIsStoppedAtTheTimeLimit)
{
    const TJetScope scope;
    QTemporaryDir folder;
    // A reader that starts its stream and then hangs.
    const QString script = folder.filePath(QStringLiteral("hanging-reader"));
    WriteFile(script,
              "#!/bin/sh\nprintf "
              "'T\\015\\0\\0\\0\\002\\0\\0\\0\\002\\0\\0\\0\\0\\0\\0\\0\\001'\nexec sleep 60\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    const TProgramScope program(script);
    const TLimitsScope limits({512, 300, 600000});
    QElapsedTimer timer;
    timer.start();
    const TRead read = ReadAll(FixturePath(QStringLiteral("catalogue-jet4.mdb")));
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(read.summary.expectedRows, 2u);
    EXPECT_TRUE(read.summary.problem.contains(QStringLiteral("no answer")))
        << read.summary.problem.toStdString();
}

TEST(JetReader, ARowStreamThatBreaksTheFormatIsRefused)
{
    const TJetScope scope;
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("garbling-reader"));
    WriteFile(script, "#!/bin/sh\nprintf 'Z\\0\\0\\0\\0'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    const TProgramScope program(script);
    EXPECT_TRUE(OpenError(FixturePath(QStringLiteral("catalogue-jet4.mdb")))
                    .contains(QStringLiteral("damaged row stream")));
}
