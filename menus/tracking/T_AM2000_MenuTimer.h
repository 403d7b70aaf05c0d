#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtGlobal>
#include <functional>

// What the shared menu timer runs when it fires.
enum class T_AM2000_TimerCallback {
    tcNone,
    tcSubmenu,
    tcExpand,
    tcLeave,
    tcPress,
    tcScroll,
    tcMenuBar, // a menu bar's hover delay
};

// The one timer of the whole menu system. It runs on the tick count: it fires when it is
// polled after its due time, and a Qt timer polls it while the program runs, so tests
// that drive the tick count fire it by polling. It fires once; a callback that wants
// more starts it again.
class T_AM2000_MenuTimer : public QObject {
public:
    // Delays in milliseconds.
    static constexpr int SubmenuDelay = 250;
    static constexpr int QuickSubmenuDelay = 25;
    static constexpr int ExpandDelay = 2000;
    static constexpr int LeaveDelay = 200;
    static constexpr int PressPause = 100;
    static constexpr int ScrollRepeatDelay = 100;
    static constexpr int ScrollRepeatInterval = 10;

    static T_AM2000_MenuTimer& Instance();

    // Stops the timer, then starts it anew with this interval and callback. The callback
    // is dropped when object is destroyed before the timer fires.
    void Start(int interval, T_AM2000_TimerCallback callback, QObject* object,
               std::function<void()> run);
    void Stop();
    // The timer runs with exactly this interval and callback.
    bool TimerPending(int interval, T_AM2000_TimerCallback callback) const;
    bool Running() const { return m_callback != T_AM2000_TimerCallback::tcNone; }
    // Fires the timer when its due time has come; returns whether it fired.
    bool Poll();

private:
    T_AM2000_MenuTimer();
    void ArmPoll();

    int m_interval = 0;
    qint64 m_due = 0;
    T_AM2000_TimerCallback m_callback = T_AM2000_TimerCallback::tcNone;
    QPointer<QObject> m_object;
    std::function<void()> m_run;
    QTimer m_poll;
};
