#pragma once

#include "TADOConnection.h"
#include "TApplication.h"
#include "TMianForm.h"

#include <QString>
#include <memory>

// The main window on the catalogue file at path, as the program starts on it, for the
// length of a scope: shown and painted once; at the end the application forgets it.
class TBenchMainWindow {
public:
    explicit TBenchMainWindow(const QString& path)
        : m_form(TForm::Create<TMianForm>(nullptr))
    {
        MianForm = m_form.get();
        Application->SetMainForm(m_form.get());
        m_form->Myado->SetConnectionString(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
        m_form->Show();
        m_form->grab();
    }
    ~TBenchMainWindow()
    {
        Application->SetMainForm(nullptr);
        MianForm = nullptr;
    }
    TBenchMainWindow(const TBenchMainWindow&) = delete;
    TBenchMainWindow& operator=(const TBenchMainWindow&) = delete;

    TMianForm* operator->() const { return m_form.get(); }
    TMianForm& operator*() const { return *m_form; }

private:
    std::unique_ptr<TMianForm> m_form;
};
