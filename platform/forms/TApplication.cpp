#include "TApplication.h"

#include "PlatformClasses.h"
#include "TScreen.h"

#include <QFont>

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , TComponent(nullptr)
{
    Application = this;
    setQuitOnLastWindowClosed(false);
    new TScreen(this);
    RegisterPlatformClasses();
    InstallFontSubstitutions();
}

TApplication::~TApplication()
{
    // Windows owned by the application go before the event system does.
    DestroyComponents();
    Application = nullptr;
}

void TApplication::Minimize()
{
    if (m_mainForm)
        m_mainForm->showMinimized();
}

int TApplication::Run()
{
    if (m_mainForm)
        m_mainForm->Show();
    if (m_terminated)
        return 0;
    return exec();
}

void TApplication::Terminate()
{
    m_terminated = true;
    quit();
}

// Layouts name faces by their traditional names; these map them to free faces installed
// here (a Song-style face for "宋体").
void TApplication::InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}
