#pragma once

#include "AppClasses.h"
#include "TApplication.h"

#include <QtGlobal>

// The application of a benchmark that builds the gallery's windows: on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another (programs it starts inherit the choice),
// with every class of the gallery's layouts registered.
class TGalleryBenchApplication {
public:
    TGalleryBenchApplication(int& argc, char** argv)
        : m_application(OffscreenUnlessNamed(argc), argv)
    {
        RegisterAppClasses();
    }

private:
    // Chooses the platform before the application reads it; hands argc on.
    static int& OffscreenUnlessNamed(int& argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    TApplication m_application;
};
