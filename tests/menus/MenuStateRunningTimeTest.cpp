#include "MenuStateTestSupport.h"
#include "TMenuStorage.h"
#include "TRegistry.h"
#include "TTickCount.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString ElapsedTime = QStringLiteral("ElapsedTime");

// A clean user profile (its own configuration folder) and a tick count the test moves.
class RunningTime : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(profile.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(profile.path()));
        previousClock = TTickCount::SetSource([this] { return now; });
    }
    void TearDown() override
    {
        TTickCount::SetSource(previousClock);
        qunsetenv("XDG_CONFIG_HOME");
    }

    static QString AppKey(const QString& executable)
    {
        return QStringLiteral("\\Software\\Zentuvio\\AnimatedMenus\\MenuOrder\\") + executable;
    }
    static void Store(const QString& executable, const QString& text)
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(AppKey(executable), true));
        registry.WriteString(ElapsedTime, text);
        registry.Flush();
    }
    static QString Stored(const QString& executable)
    {
        TRegistry registry;
        return registry.OpenKey(AppKey(executable), false) ? registry.ReadString(ElapsedTime)
                                                           : QStringLiteral("<no key>");
    }
    // One run of the program: start, let the seconds pass, finish.
    void Run(TMenuStorage& storage, const QString& executable, qint64 milliseconds)
    {
        storage.Start(QStringLiteral("/usr/bin/") + executable);
        now += milliseconds;
        storage.Finish();
    }

    QTemporaryDir profile;
    qint64 now = 5000;
    TTickCount::Source previousClock;
};

} // namespace

TEST_F(RunningTime, RunsOneAfterAnotherAddUpTheirWholeSeconds)
{
    TMenuStorage storage;
    EXPECT_EQ(Stored(QStringLiteral("zentuvio")), QStringLiteral("<no key>"));
    Run(storage, QStringLiteral("zentuvio"), 10900);
    EXPECT_EQ(storage.ElapsedTime(), 10u);
    EXPECT_EQ(Stored(QStringLiteral("zentuvio")), QStringLiteral("10"));

    Run(storage, QStringLiteral("zentuvio"), 10000);
    EXPECT_EQ(Stored(QStringLiteral("zentuvio")), QStringLiteral("20"));
    // Each executable keeps its own time.
    EXPECT_EQ(Stored(QStringLiteral("other")), QStringLiteral("<no key>"));
}

TEST_F(RunningTime, OverlappingRunsKeepEachOthersTime)
{
    Store(QStringLiteral("zentuvio"), QStringLiteral("100"));
    TMenuStorage first;
    TMenuStorage second;
    first.Start(QStringLiteral("/usr/bin/zentuvio"));
    now += 2000;
    second.Start(QStringLiteral("/usr/bin/zentuvio"));
    EXPECT_EQ(second.ElapsedTime(), 100u);
    now += 8000;
    first.Finish();
    now += 2000;
    second.Finish();
    EXPECT_EQ(Stored(QStringLiteral("zentuvio")), QStringLiteral("120"));
}

TEST_F(RunningTime, WhileRunningTheStoredTotalGrowsByTheSecondsSoFar)
{
    Store(QStringLiteral("zentuvio"), QStringLiteral("4294967290"));
    TMenuStorage storage;
    storage.Start(QStringLiteral("/usr/bin/zentuvio"));
    EXPECT_EQ(storage.ElapsedTime(), 4294967290u);
    now += 3999;
    EXPECT_EQ(storage.RunningTime(), 4294967293u);
    // The count of seconds stops at its largest value rather than start again at 0.
    now += 10000;
    storage.Finish();
    EXPECT_EQ(Stored(QStringLiteral("zentuvio")), QStringLiteral("4294967295"));
}

TEST_F(RunningTime, UnderADevelopmentEnvironmentTheTimeIsReadButNotWritten)
{
    for (const QString& executable :
         {QStringLiteral("DEVENV.EXE"), QStringLiteral("ZENTUVIOIDE.EXE")}) {
        Store(executable, QStringLiteral("30"));
        TMenuStorage storage;
        Run(storage, executable, 10000);
        EXPECT_EQ(storage.Mode(), TMenuStorageMode::smOff) << executable.toStdString();
        EXPECT_EQ(storage.ElapsedTime(), 30u);
        EXPECT_EQ(Stored(executable), QStringLiteral("30"));
    }
    // The names compare exactly, letter case included.
    TMenuStorage storage;
    Run(storage, QStringLiteral("devenv.exe"), 10000);
    EXPECT_EQ(storage.Mode(), TMenuStorageMode::smRegistry);
    EXPECT_EQ(Stored(QStringLiteral("devenv.exe")), QStringLiteral("10"));

    storage.Start(QString());
    EXPECT_EQ(storage.Mode(), TMenuStorageMode::smOff);
}

TEST_F(RunningTime, AStoredTimeThatIsNoNumberIsSkippedWithAWarning)
{
    Store(QStringLiteral("zentuvio"), QStringLiteral("ten"));
    TMenuStorage storage;
    testing::internal::CaptureStderr();
    storage.Start(QStringLiteral("/usr/bin/zentuvio"));
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find("ElapsedTime"), std::string::npos) << warning;
    EXPECT_NE(warning.find("\"ten\""), std::string::npos) << warning;
    EXPECT_EQ(storage.ElapsedTime(), 0u);
    now += 7000;
    storage.Finish();
    EXPECT_EQ(Stored(QStringLiteral("zentuvio")), QStringLiteral("7"));
}

TEST_F(RunningTime, ADamagedSettingsFileIsNeitherUsedNorReplaced)
{
    const QByteArray broken(
        "[Software\nZentuvio\\AnimatedMenus\\MenuOrder\\zentuvio\\ElapsedTime=9\n");
    ASSERT_NO_FATAL_FAILURE(WriteUserSettingsFile(broken));

    TMenuStorage storage;
    testing::internal::CaptureStderr();
    Run(storage, QStringLiteral("zentuvio"), 10000);
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_NE(warnings.find(TRegistry::UserFileName().toStdString()), std::string::npos)
        << warnings;
    EXPECT_EQ(storage.ElapsedTime(), 0u);
    EXPECT_EQ(UserSettingsFileText(), broken);
}
