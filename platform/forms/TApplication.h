#pragma once

#include "TComponent.h"
#include "TEvent.h"

#include <QApplication>
#include <functional>

class TForm;

// The application object: the event loop, the main window, the title, and the owner
// of windows created on demand. One exists per program, reachable through the global
// Application; creating it registers the platform's classes for stored layouts and
// installs the font substitutions of the user interface.
class TApplication : public QApplication, public TComponent {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    QString Title() const { return applicationDisplayName(); }
    void SetTitle(const QString& title) { setApplicationDisplayName(title); }

    TForm* MainForm() const { return m_mainForm; }
    void SetMainForm(TForm* form) { m_mainForm = form; }
    // Creates a form owned by the application; the first one becomes the main window.
    template <class T> T* CreateForm();

    // The full path of the running program.
    QString ExeName() const { return applicationFilePath(); }
    // The current hint of the program: the one of the control or menu entry under
    // the pointer or selected. OnHint follows every change.
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    TNotifyEvent OnHint;

    // Minimises the main window (the program's taskbar entry).
    void Minimize();
    // Nested message loops that sleep while no event comes, instead of spinning:
    // handle events until the tick count (TTickCount) reaches deadline, or while
    // condition holds (it must change only in a handled event). Both return early
    // when the program is terminating.
    void WaitMessagesUntil(qint64 deadline);
    void WaitMessagesWhile(const std::function<bool()>& condition);
    // Shows the main window and handles events until the program is terminated.
    int Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }

private:
    static void InstallFontSubstitutions();
    void InstallQtTranslations();

    TForm* m_mainForm = nullptr;
    QString m_hint;
    bool m_terminated = false;
};

extern TApplication* Application;

#include "TForm.h"

template <class T> T* TApplication::CreateForm()
{
    T* form = TForm::Create<T>(this);
    if (!m_mainForm)
        m_mainForm = form;
    return form;
}
