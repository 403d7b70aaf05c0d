#include "TApplication.h"

#include <gtest/gtest.h>

// Every test program runs inside one application object on the offscreen platform
// unless the environment asks for another (a real X server, say).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
