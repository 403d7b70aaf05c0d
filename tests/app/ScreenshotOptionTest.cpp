#include "ProgramRun.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ProgramRun Zentuvio(const QStringList& arguments,
                    const QProcessEnvironment& environment = ProgramRun::Offscreen())
{
    const ProgramRun run =
        ProgramRun::Of(QStringLiteral(ZENTUVIO_EXECUTABLE), arguments, environment);
    EXPECT_TRUE(run.finished);
    return run;
}

} // namespace

TEST(ScreenshotOption, WritesTheStartedMainWindowAsAPng)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("main.png"));
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), file});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    const QImage image(file);
    EXPECT_EQ(image.size(), QSize(819, 522));
}

TEST(ScreenshotOption, ClicksTheNamedControlsFirst)
{
    QTemporaryDir folder;
    const QString before = folder.filePath(QStringLiteral("before.png"));
    const QString after = folder.filePath(QStringLiteral("after.png"));
    ASSERT_EQ(Zentuvio({QStringLiteral("--screenshot"), before}).exitCode, 0);
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), after,
                                     QStringLiteral("--click"), QStringLiteral("SpeedButton2")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_NE(QImage(before), QImage(after)) << "the multimedia strip is in front";
}

TEST(ScreenshotOption, AnUnknownControlIsNamedWithExitCode2)
{
    QTemporaryDir folder;
    for (const char* option : {"--click", "--print"}) {
        const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), folder.filePath("x.png"),
                                         QLatin1String(option), QStringLiteral("NoSuchButton")});
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_TRUE(run.errors.contains(QStringLiteral("NoSuchButton"))) << qPrintable(run.errors);
        EXPECT_FALSE(QFile::exists(folder.filePath("x.png")));
    }
}

TEST(ScreenshotOption, PrintsTheCaptionsOfTheNamedControlsAfterTheClicks)
{
    QTemporaryDir folder;
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), folder.filePath("mail.png"),
                                     QStringLiteral("--click"), QStringLiteral("SpeedButton17"),
                                     QStringLiteral("--print"), QStringLiteral("Label10"),
                                     QStringLiteral("--print"), QStringLiteral("SpeedButton17")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(run.output, QStringLiteral("电子邮件类共:0个\n电子邮件类\n"));
}

TEST(ScreenshotOption, UsesTheOffscreenPlatformWithoutADisplay)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("main.png"));
    const ProgramRun run =
        Zentuvio({QStringLiteral("--screenshot"), file}, ProgramRun::WithoutDisplay());
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(QImage(file).size(), QSize(819, 522));
}

TEST(ScreenshotOption, AChosenCatalogueThatCannotBeOpenedIsReportedAndTheWindowOpens)
{
    QTemporaryDir folder;
    const QString notADatabase = folder.filePath(QStringLiteral("notes.mdb"));
    QFile notes(notADatabase);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    for (const QString& catalogue :
         {folder.filePath(QStringLiteral("missing.mdb")), notADatabase}) {
        const QString file = folder.filePath(QStringLiteral("main.png"));
        const ProgramRun run = Zentuvio(
            {QStringLiteral("--catalogue"), catalogue, QStringLiteral("--screenshot"), file});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
        EXPECT_TRUE(run.errors.contains(catalogue)) << qPrintable(run.errors);
        EXPECT_EQ(QImage(file).size(), QSize(819, 522));
        QFile::remove(file);
    }
}
