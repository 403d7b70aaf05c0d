#pragma once

#include "TADOConnection.h"
#include "TApplication.h"
#include "TMianForm.h"

#include <memory>

// The gallery's main window on the catalogue at path, shown and painted once, as the
// program starts on it; the application's main window while it lives.
class TGalleryWindow {
public:
    explicit TGalleryWindow(const QString& path)
        : m_form(TForm::Create<TMianForm>(nullptr))
    {
        MianForm = m_form.get();
        Application->SetMainForm(m_form.get());
        m_form->Myado->SetConnectionString(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
        m_form->Show();
        m_form->grab();
    }
    ~TGalleryWindow()
    {
        Application->SetMainForm(nullptr);
        MianForm = nullptr;
    }
    TGalleryWindow(const TGalleryWindow&) = delete;
    TGalleryWindow& operator=(const TGalleryWindow&) = delete;

    TMianForm* operator->() const { return m_form.get(); }
    TMianForm& operator*() const { return *m_form; }

private:
    std::unique_ptr<TMianForm> m_form;
};
