#include "TApplication.h"
#include "TErrorReport.h"

#include <gtest/gtest.h>

// Every test program runs inside one application object on the offscreen platform
// unless the environment asks for another (a real X server, say). An error reported
// while no test listens for reports fails the running test instead of opening a message
// box that nobody would answer.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    TErrorReport::SetReporter([](const QString& message) {
        ADD_FAILURE() << "unexpected error report: " << message.toStdString();
    });
    return RUN_ALL_TESTS();
}
