#include "TStartup.h"

#include "AppClasses.h"
#include "Exception.h"
#include "TApplication.h"
#include "TCatalogueStore.h"
#include "TCommandLine.h"
#include "TDataFiles.h"
#include "TErrorOutput.h"
#include "TErrorReport.h"
#include "TMenuStorageScope.h"
#include "TMianForm.h"
#include "TPgUri.h"
#include "TSQLiteDatabase.h"
#include "TScreenshot.h"
#include "TTempmodal2.h"

#include <cstdio>
#include <optional>

namespace {

// The command line without the program name; empty after reporting a wrong one.
std::optional<TCommandLine> ReadCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    try {
        return TCommandLine(arguments);
    } catch (const Exception& error) {
        TErrorOutput::Print(error.Message() + QStringLiteral("\nTry 'zentuvio --help'."));
        return std::nullopt;
    }
}

} // namespace

int TStartup::Run(int argc, char** argv)
{
    const std::optional<TCommandLine> commandLine = ReadCommandLine(argc, argv);
    if (!commandLine)
        return TCommandLine::UsageError;
    if (commandLine->Help() || commandLine->Version()) {
        std::fputs(
            qPrintable(commandLine->Help() ? TCommandLine::Usage() : TCommandLine::VersionText()),
            stdout);
        return 0;
    }
    const bool screenshot = !commandLine->Screenshot().isEmpty();
    if (!ChoosePlatform(screenshot))
        return NoDisplay;
    TApplication application(argc, argv);
    // Lets the desktop match the windows with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZENTUVIO_APP_ID));
    // Nobody answers a message box in a screenshot run: errors go to standard error.
    if (screenshot)
        TErrorReport::SetReporter(TErrorOutput::Print);
    TDataFiles::ChooseCatalogue(commandLine->Catalogue());
    if (!CreateWindows(application))
        return TScreenshot::Failed;
    if (!commandLine->Catalogue().isEmpty())
        CheckCatalogue(TDataFiles::CataloguePath());
    if (screenshot)
        return TScreenshot::Take(*MianForm, commandLine->Screenshot(), commandLine->Steps(),
                                 commandLine->Prints());
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

bool TStartup::ChoosePlatform(bool screenshot)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    if (screenshot) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    TErrorOutput::Print(
        QStringLiteral("no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                       "--screenshot FILE works without one."));
    return false;
}

void TStartup::CheckCatalogue(const QString& path)
{
    try {
        // An Access file is read, and copied for browsing, by the first category shown,
        // under the wait box; a server is reached then too, within its connect timeout.
        switch (TCatalogueStore::Detect(path)) {
        case TCatalogueStore::TKind::SQLite:
            TSQLiteDatabase(path, TSQLiteDatabase::TAccess::ReadOnly, 0);
            break;
        case TCatalogueStore::TKind::PostgreSQL:
            TPgUri::Check(path);
            break;
        case TCatalogueStore::TKind::Jet:
            break;
        }
    } catch (const Exception& error) {
        TErrorReport::ShowLater(EDatabaseError(QStringLiteral("Cannot open the catalogue %1: %2")
                                                   .arg(TPgUri::Scrubbed(path), error.Message())));
    }
}
