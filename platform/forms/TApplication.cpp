#include "TApplication.h"

#include "PlatformClasses.h"
#include "TScreen.h"
#include "TTickCount.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <limits>

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
    InstallQtTranslations();
}

TApplication::~TApplication()
{
    // Windows owned by the application go before the event system does.
    DestroyComponents();
    Application = nullptr;
}

void TApplication::SetHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    OnHint(this);
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

void TApplication::WaitMessagesUntil(qint64 deadline)
{
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 remaining = deadline - TTickCount::Now(); remaining > 0 && !m_terminated;
         remaining = deadline - TTickCount::Now()) {
        wake.start(int(std::min<qint64>(remaining, std::numeric_limits<int>::max())));
        processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void TApplication::WaitMessagesWhile(const std::function<bool()>& condition)
{
    while (!m_terminated && condition())
        processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::Terminate()
{
    m_terminated = true;
    quit();
}

// Layouts name faces by their traditional names; these map them to free faces installed
// here (a Song-style face for "宋体").
// Dialogs, buttons and menus that Qt itself provides (the save dialog) speak the
// interface's language. Without Qt's translations installed they stay in English.
void TApplication::InstallQtTranslations()
{
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

void TApplication::InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}
