#pragma once

#include "ISoundPlayer.h"
#include "TCustomPopupMenu2000.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "TPopupMenu.h"
#include "TPopupMenu2000Form.h"
#include "TTickCount.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChain.h"
#include "T_AM2000_MenuChooser.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_MenuPointer.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_MenuTracker.h"
#include "T_AM2000_SystemSettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The first direct child of that class. The menu's helper objects carry no meta-object of
// their own, so findChild would take any child for one of them.
// Installs desktop settings with the menu animation on; returns the source they replace.
inline T_AM2000_SystemSettings::Source AnimateMenus()
{
    return T_AM2000_SystemSettings::SetSource([] {
        T_AM2000_SystemSettings animated;
        animated.menuAnimation = true;
        return animated;
    });
}

template <typename T> T* ChildOfType(const QObject& parent)
{
    for (QObject* child : parent.children()) {
        if (auto* found = dynamic_cast<T*>(child))
            return found;
    }
    return nullptr;
}

// The drop shadow that follows window, or nullptr.
inline T_AM2000_DropShadow* ShadowOf(const QWidget& window)
{
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* shadow = dynamic_cast<T_AM2000_DropShadow*>(widget);
        if (shadow && shadow->Target() == &window)
            return shadow;
    }
    return nullptr;
}

class RecordingSounds : public ISoundPlayer {
public:
    void PlayFile(const QString& path) override { played << path; }
    void PlayEvent(const QString& eventName) override { played << eventName; }
    QStringList played;
};

// A main menu with one top item whose drop-down the tests open, on a tick count they
// drive, with the sounds and beeps recorded.
class MenuTracking : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousClock = TTickCount::SetSource([this] { return now; });
        previousSound = tracker.Chooser().SetSoundPlayer(&sounds);
        previousBeep = tracker.Keyboard().SetBeep([this] { ++beeps; });
        mainMenu.Root()->Add(&top);
    }
    void TearDown() override
    {
        tracker.CloseAllMenus(false);
        T_AM2000_MenuTimer::Instance().Stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        tracker.Chooser().SetSoundPlayer(previousSound);
        tracker.Keyboard().SetBeep(previousBeep);
        TTickCount::SetSource(previousClock);
    }

    TMenuItem2000* Add(const QString& caption, TMenuItem2000* parent = nullptr)
    {
        auto* item = new TMenuItem2000(nullptr);
        owned.emplace_back(item);
        item->SetCaption(caption);
        (parent ? parent : &top)->Add(item);
        return item;
    }
    // An animated entry of a platform popup menu, kept in owned.
    TMenuItem2000* AddTo(TPopupMenu& menu, const QString& caption)
    {
        auto* item = new TMenuItem2000(nullptr);
        owned.emplace_back(item);
        item->SetCaption(caption);
        menu.Add(item);
        return item;
    }
    // Frees an item made by Add (or kept in owned).
    void Free(TMenuItem2000* item)
    {
        const auto found = std::find_if(owned.begin(), owned.end(),
                                        [item](const auto& held) { return held.get() == item; });
        ASSERT_NE(found, owned.end());
        found->reset();
    }
    TCustomPopupMenu2000Form* Open() { return tracker.Popup(popup, top, QPoint(100, 100)); }
    // Lets time pass on the tick count; the shared timer fires when it is due.
    void Advance(qint64 ms)
    {
        now += ms;
        T_AM2000_MenuTimer::Instance().Poll();
    }
    void Hover(TCustomPopupMenu2000Form& window, int index)
    {
        tracker.Pointer().MouseMove(window, window.EntryRect(index).center());
    }
    void Click(TCustomPopupMenu2000Form& window, int index)
    {
        Hover(window, index);
        tracker.Pointer().MouseUp(window, window.EntryRect(index).center());
    }

    T_AM2000_MenuTracker& tracker = T_AM2000_MenuTracker::Instance();
    qint64 now = 5000;
    RecordingSounds sounds;
    int beeps = 0;
    TMainMenu2000 mainMenu{nullptr};
    TMenuItem2000 top{nullptr};
    std::vector<std::unique_ptr<TMenuItem2000>> owned;
    TCustomPopupMenu2000 popup{nullptr};

private:
    TTickCount::Source previousClock;
    ISoundPlayer* previousSound = nullptr;
    std::function<void()> previousBeep;
};
