#include "TStartup.h"

#include "AppClasses.h"
#include "TApplication.h"
#include "TErrorReport.h"
#include "TMenuStorageScope.h"
#include "TMianForm.h"
#include "TScreenshot.h"
#include "TTempmodal2.h"

#include <cstdio>

int TStartup::Run(int argc, char** argv)
{
    TApplication application(argc, argv);
    const Options options = ParseOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "zentuvio: %s\n", qPrintable(options.error));
        return TScreenshot::UnknownControl;
    }
    if (!options.screenshot.isEmpty()) {
        // Nobody answers a message box in a screenshot run: errors go to standard error.
        TErrorReport::SetReporter([](const QString& message) {
            std::fprintf(stderr, "zentuvio: %s\n", qPrintable(message));
        });
    }
    if (!CreateWindows(application))
        return TScreenshot::Failed;
    if (!options.screenshot.isEmpty())
        return TScreenshot::Take(*MianForm, options.screenshot, options.clicks);
    return application.Run();
}

bool TStartup::CreateWindows(TApplication& application)
{
    RegisterAppClasses();
    application.SetTitle(QStringLiteral("ZentuvioV1.0"));
    // The menus' per-user state: read now, the running time written when the
    // application object goes at exit.
    new TMenuStorageScope(&application, application.ExeName());
    try {
        MianForm = application.CreateForm<TMianForm>();
        Tempmodal2 = TForm::Create<TTempmodal2>(&application);
    } catch (const std::exception& error) {
        TErrorReport::Show(error);
        return false;
    }
    return true;
}

TStartup::Options TStartup::ParseOptions(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--screenshot") && hasValue)
            options.screenshot = arguments[++i];
        else if (argument == QLatin1String("--click") && hasValue)
            options.clicks << arguments[++i];
        else
            options.error = QStringLiteral("unknown or incomplete option %1").arg(argument);
    }
    if (!options.clicks.isEmpty() && options.screenshot.isEmpty())
        options.error = QStringLiteral("--click goes with --screenshot FILE");
    return options;
}
