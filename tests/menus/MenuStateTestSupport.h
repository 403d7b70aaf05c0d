#pragma once

#include "MenuClasses.h"
#include "PlatformClasses.h"
#include "TLayoutLoader.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "TMenuStorage.h"
#include "TRegistry.h"
#include "TTickCount.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Writes text as the whole of the user's settings file, as a damaged file may read.
inline void WriteUserSettingsFile(const QByteArray& text)
{
    const QString fileName = TRegistry::UserFileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(fileName).absolutePath()));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
    ASSERT_EQ(file.write(text), text.size());
}

// What the user's settings file holds now.
inline QByteArray UserSettingsFileText()
{
    QFile file(TRegistry::UserFileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot be read>");
}

// A clean user profile (its own configuration folder), a tick count the test moves,
// the storage started for "zentuvio", and a form holding this main menu:
//   MainMenu1 (anVertStretch, [mfDropShadow, mfSoftColors])
//     File1: Open1, Save1, Line1, Exit1
//     Edit1: Copy1, Paste1
class MenuStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(profile.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(profile.path()));
        previousClock = TTickCount::SetSource([this] { return now; });
        RegisterPlatformClasses();
        RegisterMenuClasses();
        TMenuStorage::Instance().Start(QStringLiteral("/usr/bin/zentuvio"));
    }
    void TearDown() override
    {
        form.reset();
        TMenuStorage::Instance().Start(QString());
        TTickCount::SetSource(previousClock);
        qunsetenv("XDG_CONFIG_HOME");
    }

    static QString MenuKey(const QString& path = QString())
    {
        const QString key = TMenuStorage::Instance().MenuKey(QStringLiteral("MainMenu1"));
        return path.isEmpty() ? key : key + QLatin1Char('\\') + path;
    }
    // Writes a value under the menu's key (or the key below it at path).
    static void Store(const QString& path, const QString& name, const QString& text)
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(MenuKey(path), true));
        registry.WriteString(name, text);
        registry.Flush();
    }
    static QString Stored(const QString& path, const QString& name)
    {
        TRegistry registry;
        return registry.OpenKey(MenuKey(path), false) ? registry.ReadString(name)
                                                      : QStringLiteral("<no key>");
    }

    // Loads the form with the menu from its layout, which applies the stored state.
    void LoadMenu()
    {
        form = std::make_unique<TComponent>(nullptr);
        TLayoutLoader(form.get(), QStringLiteral("Form1")).Apply(QString::fromUtf8(R"(
object Form1: TComponent
  object MainMenu1: TMainMenu2000
    Options.Flags = [mfDropShadow, mfSoftColors]
    Options.Animation = anVertStretch
    object File1: TMenuItem2000
      Caption = 'File'
      object Open1: TMenuItem2000
        Caption = 'Open'
      end
      object Save1: TMenuItem2000
        Caption = 'Save'
        ShortCut = 'Ctrl+S'
      end
      object Line1: TMenuItem2000
        Caption = '-'
      end
      object Exit1: TMenuItem2000
        Caption = 'Exit'
      end
    end
    object Edit1: TMenuItem2000
      Caption = 'Edit'
      object Copy1: TMenuItem2000
        Caption = 'Copy'
      end
      object Paste1: TMenuItem2000
        Caption = 'Paste'
      end
    end
  end
end
)"));
        menu = dynamic_cast<TMainMenu2000*>(form->FindComponent(QStringLiteral("MainMenu1")));
        ASSERT_NE(menu, nullptr);
    }

    // Loads the menu and returns what it wrote to standard error meanwhile.
    std::string LoadMenuCapturingWarnings()
    {
        testing::internal::CaptureStderr();
        LoadMenu();
        return testing::internal::GetCapturedStderr();
    }

    TMenuItem2000* Item(const char* name) const
    {
        return dynamic_cast<TMenuItem2000*>(form->FindComponent(QLatin1String(name)));
    }
    // The captions of an item's children, in order.
    static QStringList Captions(const TMenuItem* item)
    {
        QStringList captions;
        for (int i = 0; i < item->Count(); ++i)
            captions << item->Items(i)->Caption();
        return captions;
    }

    QTemporaryDir profile;
    qint64 now = 1000;
    TTickCount::Source previousClock;
    std::unique_ptr<TComponent> form;
    TMainMenu2000* menu = nullptr;
};
