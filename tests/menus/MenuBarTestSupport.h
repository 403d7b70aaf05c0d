#pragma once

#include "ISoundPlayer.h"
#include "TCustomPopupMenu2000Form.h"
#include "TMainMenu2000.h"
#include "TMenuBar2000.h"
#include "TMenuItem2000.h"
#include "TPanel.h"
#include "TTickCount.h"
#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChain.h"
#include "T_AM2000_MenuChooser.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_MenuPointer.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_MenuTracker.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class SilentSounds : public ISoundPlayer {
public:
    void PlayFile(const QString&) override {}
    void PlayEvent(const QString&) override {}
};

// A shown host window holding a menu bar over a main menu of three top items, each with
// a submenu, on a tick count the tests drive. Drop-downs open without animation unless
// a test asks for one.
class MenuBarTest : public ::testing::Test {
protected:
    // A colour of the options (0x00BBGGRR) as the opaque pixel it paints, taken apart by
    // hand.
    static QRgb Rgb(TColor color)
    {
        return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    }
    // The bar's menu colour in the tests of its look.
    static constexpr TColor menuColor = TColor(0x00302010);

    void SetUp() override
    {
        previousClock = TTickCount::SetSource([this] { return now; });
        previousSound = tracker.Chooser().SetSoundPlayer(&sounds);
        menu.Options()->SetAnimation(T_AM2000_Animation::anNone);
        file = AddTop(QStringLiteral("&File"), {QStringLiteral("&Open"), QStringLiteral("&Save")});
        edit = AddTop(QStringLiteral("&Edit"), {QStringLiteral("Cu&t")});
        help = AddTop(QStringLiteral("&Help"), {QStringLiteral("&About")});
        host.SetBounds(200, 200, 400, 60);
        bar = std::make_unique<TMenuBar2000>(nullptr);
        bar->SetParent(&host);
        bar->SetBounds(0, 0, 300, 20);
        bar->SetMenu(&menu);
        host.show();
        QCursor::setPos(0, 0);
    }
    void TearDown() override
    {
        tracker.CloseAllMenus(true);
        bar.reset();
        T_AM2000_MenuTimer::Instance().Stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        tracker.Chooser().SetSoundPlayer(previousSound);
        TTickCount::SetSource(previousClock);
    }

    TMenuItem2000* AddItem(const QString& caption, TMenuItem* parent)
    {
        auto* item = new TMenuItem2000(nullptr);
        owned.emplace_back(item);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    TMenuItem2000* AddTop(const QString& caption, const QStringList& children)
    {
        TMenuItem2000* top = AddItem(caption, menu.Root());
        for (const QString& child : children)
            AddItem(child, top);
        return top;
    }

    QPoint Center(int index) const { return bar->BarItems().Entries()[index].rect.center(); }
    void SendMouse(QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint global = bar->mapToGlobal(local);
        QCursor::setPos(global);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, QPointF(local), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(bar.get(), &event);
    }
    void MoveTo(int index) { SendMouse(QEvent::MouseMove, Center(index)); }
    void Press(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        SendMouse(QEvent::MouseButtonPress, Center(index), button);
    }
    void Release(int index) { SendMouse(QEvent::MouseButtonRelease, Center(index)); }
    void Click(int index)
    {
        Press(index);
        Release(index);
    }
    // A key pressed and released in the host window.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(&host, &press);
        const Qt::KeyboardModifiers left = key == Qt::Key_Alt ? Qt::NoModifier : modifiers;
        QKeyEvent release(QEvent::KeyRelease, key, left, text);
        QCoreApplication::sendEvent(&host, &release);
    }
    // Lets time pass on the tick count; the shared timer fires when it is due.
    void Advance(qint64 ms)
    {
        now += ms;
        T_AM2000_MenuTimer::Instance().Poll();
    }
    // The item whose drop-down is the open chain, or nullptr.
    TMenuItem2000* OpenItem() const
    {
        const TCustomPopupMenu2000Form* top = tracker.TopWindow();
        return top && top->isVisible() ? &top->Item() : nullptr;
    }

    T_AM2000_MenuTracker& tracker = T_AM2000_MenuTracker::Instance();
    qint64 now = 10000;
    SilentSounds sounds;
    TMainMenu2000 menu{nullptr};
    std::vector<std::unique_ptr<TMenuItem2000>> owned;
    TMenuItem2000* file = nullptr;
    TMenuItem2000* edit = nullptr;
    TMenuItem2000* help = nullptr;
    TPanel host{nullptr};
    std::unique_ptr<TMenuBar2000> bar;

private:
    TTickCount::Source previousClock;
    ISoundPlayer* previousSound = nullptr;
};
