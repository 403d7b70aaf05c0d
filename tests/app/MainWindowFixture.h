#pragma once

#include "AppClasses.h"
#include "TApplication.h"
#include "TErrorReport.h"
#include "TMianForm.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// A started main window, with the standard error report captured.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterAppClasses();
        previousReporter =
            TErrorReport::SetReporter([this](const QString& message) { errors << message; });
        form.reset(TForm::Create<TMianForm>(nullptr));
        MianForm = form.get();
        Application->SetMainForm(form.get());
        form->Show();
    }
    void TearDown() override
    {
        Application->SetMainForm(nullptr);
        MianForm = nullptr;
        form.reset();
        TErrorReport::SetReporter(previousReporter);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Of siblings, the one lying on top.
    static QWidget* Topmost(std::initializer_list<QWidget*> siblings)
    {
        const QObjectList order = (*siblings.begin())->parentWidget()->children();
        QWidget* top = nullptr;
        qsizetype topIndex = -1;
        for (QWidget* sibling : siblings) {
            if (order.indexOf(sibling) > topIndex) {
                topIndex = order.indexOf(sibling);
                top = sibling;
            }
        }
        return top;
    }
    QWidget* TopStrip() const
    {
        return Topmost({form->Panel18, form->Panel11, form->Panel13, form->Panel14, form->Panel3});
    }

    std::unique_ptr<TMianForm> form;
    QStringList errors;
    TErrorReport::Reporter previousReporter;
};
