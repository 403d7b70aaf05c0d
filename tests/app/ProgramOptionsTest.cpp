#include "ProgramRun.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

// Each of these runs without a display and without a chosen Qt platform: a program that
// tried to open a window there would fail.
namespace {

ProgramRun ZentuvioWithoutDisplay(const QStringList& arguments)
{
    const ProgramRun run = ProgramRun::Of(QStringLiteral(ZENTUVIO_EXECUTABLE), arguments,
                                          ProgramRun::WithoutDisplay());
    EXPECT_TRUE(run.finished);
    return run;
}

} // namespace

TEST(ProgramOptions, HelpDescribesTheOptionsAndOpensNoWindow)
{
    for (const char* option : {"--help", "-h"}) {
        const ProgramRun run = ZentuvioWithoutDisplay({QLatin1String(option)});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
        EXPECT_TRUE(run.output.startsWith(QStringLiteral("Usage: zentuvio "))) << option;
        EXPECT_TRUE(run.output.contains(QStringLiteral("--catalogue FILE")));
        EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
    }
}

TEST(ProgramOptions, VersionPrintsTheVersionAndOpensNoWindow)
{
    const ProgramRun run = ZentuvioWithoutDisplay({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^zentuvio \\d+\\.\\d+(\\.\\d+)*\\n$"))
                    .match(run.output)
                    .hasMatch())
        << qPrintable(run.output);
}

TEST(ProgramOptions, AWrongCommandLineIsNamedWithExitCode2)
{
    const ProgramRun unknown = ZentuvioWithoutDisplay({QStringLiteral("--bogus")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.errors.contains(QStringLiteral("'--bogus'"))) << qPrintable(unknown.errors);
    EXPECT_TRUE(unknown.output.isEmpty());
    const ProgramRun stray = ZentuvioWithoutDisplay({QStringLiteral("photo.png")});
    EXPECT_EQ(stray.exitCode, 2);
    EXPECT_TRUE(stray.errors.contains(QStringLiteral("'photo.png'"))) << qPrintable(stray.errors);
}

TEST(ProgramOptions, WithoutADisplayTheWindowIsNotOpenedAndTheReasonIsGiven)
{
    const ProgramRun run = ZentuvioWithoutDisplay({});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no display"))) << qPrintable(run.errors);
}
