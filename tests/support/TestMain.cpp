#include "TApplication.h"
#include "TErrorReport.h"
#include "TJetReader.h"
#include "TModalWatchdog.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Far beyond what any test waits for a box it answers itself.
constexpr int unansweredModalMs = 20 * 1000;
} // namespace

// Every test program runs inside one application object on the offscreen platform
// unless the environment asks for another (a real X server, say). An error reported
// while no test listens for reports fails the running test instead of opening a message
// box that nobody would answer; a modal window left open by a test fails it after a
// while instead of hanging the program.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's own catalogue and other data files live in a folder of the run's own, so
    // that no test reads or writes those of the person running the tests, nor do the
    // programs that tests start.
    const QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    TJetReader::SetProgram(QStringLiteral(ZENTUVIO_JET_READER));
    TErrorReport::SetReporter([](const QString& message) {
        ADD_FAILURE() << "unexpected error report: " << message.toStdString();
    });
    const TModalWatchdog watchdog(unansweredModalMs, [](const QString& title) {
        ADD_FAILURE() << "a modal window nobody answers: " << title.toStdString();
    });
    return RUN_ALL_TESTS();
}
