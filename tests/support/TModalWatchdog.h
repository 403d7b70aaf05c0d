#pragma once

#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

// Watches for a modal window that stays open longer than a test would ever wait for
// one: nobody answers message boxes on the offscreen platform, so such a window would
// hang the test program until CTest kills it. The watchdog reports the window's title
// and cancels it, so the test fails at once and the program goes on.
class TModalWatchdog {
public:
    using Report = std::function<void(const QString& title)>;

    TModalWatchdog(int timeoutMs, Report report);
    TModalWatchdog(const TModalWatchdog&) = delete;
    TModalWatchdog& operator=(const TModalWatchdog&) = delete;

private:
    void Check();

    static constexpr int checkIntervalMs = 50;
    int m_timeoutMs;
    Report m_report;
    QTimer m_timer;
    QWidget* m_watched = nullptr;
    int m_openForMs = 0;
};
