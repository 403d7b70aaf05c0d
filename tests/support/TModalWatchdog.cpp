#include "TModalWatchdog.h"

#include "TForm.h"

#include <QApplication>

TModalWatchdog::TModalWatchdog(int timeoutMs, Report report)
    : m_timeoutMs(timeoutMs)
    , m_report(std::move(report))
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Check(); });
    m_timer.start(checkIntervalMs);
}

void TModalWatchdog::Check()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != m_watched) {
        m_watched = modal;
        m_openForMs = 0;
        return;
    }
    if (!modal)
        return;
    m_openForMs += checkIntervalMs;
    if (m_openForMs < m_timeoutMs)
        return;
    m_openForMs = 0;
    m_report(modal->windowTitle());
    if (auto* form = dynamic_cast<TForm*>(modal))
        form->SetModalResult(mrCancel);
    else
        modal->close();
}
