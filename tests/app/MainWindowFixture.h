#pragma once

#include "AppClasses.h"
#include "DataClasses.h"
#include "DbPictureClasses.h"
#include "GifClasses.h"
#include "SkinClasses.h"
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
        RegisterDataClasses();
        RegisterGifClasses();
        RegisterDbPictureClasses();
        RegisterSkinClasses();
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
    // The topmost of a panel's children that fill it alike.
    static QWidget* InFront(QWidget* parent)
    {
        const QObjectList children = parent->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            auto* widget = qobject_cast<QWidget*>(*it);
            if (widget && widget->isVisible())
                return widget;
        }
        return nullptr;
    }
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
    TPanel* Panel(const char* name) const
    {
        return dynamic_cast<TPanel*>(form->FindComponent(QLatin1String(name)));
    }

    std::unique_ptr<TMianForm> form;
    QStringList errors;
    TErrorReport::Reporter previousReporter;
};
