#include "TRegistry.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString AppKey = QStringLiteral("\\Software\\Zentuvio\\AnimatedMenus\\MenuOrder\\zentuvio");

// Runs the program in screenshot mode on a user profile of its own; returns what it
// wrote to standard error.
std::string RunProgram(const QTemporaryDir& profile)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), profile.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZENTUVIO_EXECUTABLE),
                  {QStringLiteral("--screenshot"), profile.filePath(QStringLiteral("main.png"))});
    EXPECT_TRUE(process.waitForFinished(60000));
    return process.readAllStandardError().toStdString();
}

} // namespace

TEST(MenuStateProgram, EveryRunLeavesTheRunningTimeInTheUsersSettings)
{
    QTemporaryDir profile;
    const QString fileName = profile.filePath(QStringLiteral("Zentuvio/registry.ini"));
    quint32 previous = 0;
    for (int run = 0; run < 2; ++run) {
        const std::string errors = RunProgram(profile);
        TRegistry registry(fileName);
        ASSERT_TRUE(registry.OpenKey(AppKey, false)) << "run " << run << ": " << errors;
        ASSERT_TRUE(registry.ValueHasData(QStringLiteral("ElapsedTime")));
        const quint32 elapsed = registry.ReadDWord(QStringLiteral("ElapsedTime"));
        EXPECT_GE(elapsed, previous);
        previous = elapsed;
    }
}
