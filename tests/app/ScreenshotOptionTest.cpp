#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode;
    QString errors;
};

ProgramRun Zentuvio(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZENTUVIO_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
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
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), folder.filePath("x.png"),
                                     QStringLiteral("--click"), QStringLiteral("NoSuchButton")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("NoSuchButton"))) << qPrintable(run.errors);
    EXPECT_FALSE(QFile::exists(folder.filePath("x.png")));
}
