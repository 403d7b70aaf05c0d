#include "TScreenshotStepRunner.h"

#include "TApplication.h"
#include "TErrorOutput.h"
#include "TForm.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// How often the run looks at the waiting steps and beats for the watchdog.
constexpr int watchInterval = 20; // milliseconds
// How long modal windows have to close after being cancelled before the program's
// event loops are ended.
constexpr int answerTime = 1000; // milliseconds

void PrintAndExit(const QString& message)
{
    TErrorOutput::Print(message);
    std::fflush(stdout);
    std::_Exit(TScreenshotStepRunner::giveUpCode);
}

// The program ends: loops waiting on the application end, and so does every other
// event loop of the thread (quitting the application alone ends nothing while its main
// loop does not run).
void TerminateApplication()
{
    Application->Terminate();
    QCoreApplication::exit(0);
}

qint64 SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Answers a modal window the way its cancel button would.
void Cancel(QWidget* modal)
{
    if (auto* form = dynamic_cast<TForm*>(modal))
        form->SetModalResult(mrCancel);
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

TScreenshotStepRunner::TScreenshotStepRunner(QList<Step> steps, std::function<int()> finish)
    : TScreenshotStepRunner(std::move(steps), std::move(finish), Limits(),
                            {PrintAndExit, TerminateApplication})
{}

TScreenshotStepRunner::TScreenshotStepRunner(QList<Step> steps, std::function<int()> finish,
                                             Limits limits, Ending ending)
    : m_steps(std::move(steps))
    , m_finish(std::move(finish))
    , m_limits(limits)
    , m_ending(std::move(ending))
{
    m_watch.setInterval(watchInterval);
    connect(&m_watch, &QTimer::timeout, this, [this] { Watch(); });
}

TScreenshotStepRunner::~TScreenshotStepRunner()
{
    {
        const std::lock_guard lock(m_beatLock);
        m_stop = true;
    }
    m_stopped.notify_all();
    if (m_watchdog.joinable())
        m_watchdog.join();
}

int TScreenshotStepRunner::Run()
{
    Beat(QString());
    m_watchdog = std::thread([this] { WatchForBlocking(); });
    QEventLoop loop;
    m_loop = &loop;
    m_watch.start();
    QTimer::singleShot(0, this, [this] { Start(0); });
    loop.exec();
    m_loop = nullptr;
    m_watch.stop();
    return m_gaveUp || !m_result ? giveUpCode : *m_result;
}

// The step's work may wait in a loop of its own for long; the steps after it then start
// from Watch.
void TScreenshotStepRunner::Start(qsizetype index)
{
    if (m_result || m_gaveUp)
        return;
    if (index == m_steps.size()) {
        StartFinish();
        return;
    }
    m_lastStarted = index;
    Waiting waiting{index, {}, QApplication::activeModalWidget()};
    waiting.since.start();
    m_waiting.push_back(waiting);
    Beat(m_steps[index].name);
    const int code = m_steps[index].run();
    const bool passed = m_waiting.back().passed; // steps started meanwhile have returned
    m_waiting.pop_back();
    if (m_gaveUp)
        End(giveUpCode);
    else if (code != 0)
        End(code);
    else if (!passed)
        StartAfter(index + 1, m_steps[index].settle);
    if (m_result)
        Unwind();
}

void TScreenshotStepRunner::StartFinish()
{
    if (Application && Application->Terminated()) {
        TErrorOutput::Print(QStringLiteral("the program closed after %1, before the screenshot")
                                .arg(m_steps.value(m_lastStarted).name));
        End(giveUpCode);
        return;
    }
    End(m_finish());
}

void TScreenshotStepRunner::StartAfter(qsizetype index, int milliseconds)
{
    QTimer::singleShot(milliseconds, this, [this, index] { Start(index); });
}

void TScreenshotStepRunner::Watch()
{
    Beat(InnermostName());
    if (m_gaveUp && !m_result)
        End(giveUpCode);
    if (m_result)
        Unwind();
    else
        PassWaitingStep();
}

// The innermost step waits for an answer (a modal window it opened) or has waited
// longer than the patience: the next step runs.
void TScreenshotStepRunner::PassWaitingStep()
{
    if (m_waiting.empty() || m_waiting.back().passed)
        return;
    Waiting& waiting = m_waiting.back();
    QWidget* modal = QApplication::activeModalWidget();
    const bool newModal = modal && modal != waiting.modalAtStart;
    if (!newModal && waiting.since.elapsed() < m_limits.patience)
        return;
    waiting.passed = true;
    StartAfter(waiting.index + 1, m_steps[waiting.index].settle);
}

void TScreenshotStepRunner::End(int code)
{
    if (m_result)
        return;
    m_result = code;
    m_unwinding.start();
    Unwind();
}

// Steps still waiting are answered: the modal windows cancelled first, then, should
// steps still wait, every event loop of the program ended.
void TScreenshotStepRunner::Unwind()
{
    if (m_waiting.empty()) {
        if (m_loop)
            m_loop->quit();
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        Cancel(modal);
    if (!m_loopsEnded && m_unwinding.elapsed() >= answerTime) {
        m_loopsEnded = true;
        m_ending.endLoops();
    }
    if (m_unwinding.elapsed() >= m_limits.unwind)
        GiveUpOn(QStringLiteral("%1 did not finish within %2 s after the screenshot")
                     .arg(InnermostName())
                     .arg(m_limits.unwind / 1000.0));
}

void TScreenshotStepRunner::GiveUpOn(const QString& message)
{
    if (m_gaveUp.exchange(true))
        return;
    m_ending.giveUp(message);
}

QString TScreenshotStepRunner::InnermostName() const
{
    return m_waiting.empty() ? QString() : m_steps[m_waiting.back().index].name;
}

void TScreenshotStepRunner::Beat(const QString& current)
{
    const std::lock_guard lock(m_beatLock);
    m_lastBeat = SteadyMilliseconds();
    m_beatName = current;
}

// On its own thread: names the step during which the interface thread handled no
// events for longer than the block limit.
void TScreenshotStepRunner::WatchForBlocking()
{
    std::unique_lock lock(m_beatLock);
    while (!m_stop) {
        m_stopped.wait_for(lock, std::chrono::milliseconds(100));
        if (m_stop || SteadyMilliseconds() - m_lastBeat < m_limits.blocked)
            continue;
        const QString name = m_beatName;
        lock.unlock();
        GiveUpOn(QStringLiteral("%1 did not finish within %2 s")
                     .arg(name.isEmpty() ? QStringLiteral("the screenshot") : name)
                     .arg(m_limits.blocked / 1000.0));
        return;
    }
}
