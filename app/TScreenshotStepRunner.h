#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QEventLoop;
class QWidget;

// Runs the steps of a screenshot from the event loop, each once the one before has
// settled, then the finishing work (the picture). A step may open a modal box or wait
// in an event loop of its own (the wait form, an animation): once a new modal window is
// up, or the step has waited longer than the patience, the steps after it run inside
// that loop, so that they can answer the box. When the run has its result, every modal
// window still open is cancelled ("取消") and, if steps still wait after that, the
// program's event loops are ended, so that the waiting steps return and the run ends
// normally. Every run ends in bounded time: a step that keeps the program from handling
// events longer than the block limit, or still waits after the unwind limit, is named
// and the run gives up.
class TScreenshotStepRunner : public QObject {
public:
    // A step's work returns 0 to go on, or the exit code that ends the run (it has said
    // what went wrong); the finishing work returns the run's exit code.
    struct Step {
        QString name; // as the command line spells it, for messages
        std::function<int()> run;
        int settle = 0; // milliseconds of events after the step
    };
    struct Limits {
        int patience = 1000; // milliseconds a step may wait before the next one runs
        int blocked = 60000; // milliseconds the program may go without handling events
        int unwind = 10000;  // milliseconds the waiting steps have to return at the end
    };
    // How the run ends what it cannot wait for: giveUp is told why the run cannot finish
    // (by default it prints that and exits the program with giveUpCode; it may be called
    // from a watchdog thread); endLoops ends the event loops of steps that still wait
    // once their modal windows are cancelled (by default it terminates the application).
    using GiveUp = std::function<void(const QString& message)>;
    struct Ending {
        GiveUp giveUp;
        std::function<void()> endLoops;
    };
    static constexpr int giveUpCode = 1;

    TScreenshotStepRunner(QList<Step> steps, std::function<int()> finish);
    TScreenshotStepRunner(QList<Step> steps, std::function<int()> finish, Limits limits,
                          Ending ending);
    ~TScreenshotStepRunner() override;
    TScreenshotStepRunner(const TScreenshotStepRunner&) = delete;
    TScreenshotStepRunner& operator=(const TScreenshotStepRunner&) = delete;

    // Runs everything and returns the exit code: the first step's that ended the run,
    // else the finishing work's; giveUpCode after giving up or when a step closed the
    // program before the finishing work.
    int Run();

private:
    // A step whose work has not returned; passed once the run has gone on without it.
    struct Waiting {
        qsizetype index;
        QElapsedTimer since;
        QPointer<QWidget> modalAtStart;
        bool passed = false;
    };

    void Start(qsizetype index);
    void StartFinish();
    void StartAfter(qsizetype index, int milliseconds);
    void Watch();
    void PassWaitingStep();
    void End(int code);
    void Unwind();
    void GiveUpOn(const QString& message);
    QString InnermostName() const;
    void Beat(const QString& current);
    void WatchForBlocking();

    QList<Step> m_steps;
    std::function<int()> m_finish;
    Limits m_limits;
    Ending m_ending;
    std::vector<Waiting> m_waiting; // innermost last
    qsizetype m_lastStarted = 0;
    std::optional<int> m_result;
    QElapsedTimer m_unwinding;
    bool m_loopsEnded = false;
    QEventLoop* m_loop = nullptr;
    QTimer m_watch;

    // The watchdog thread: the interface thread beats while it handles events.
    std::mutex m_beatLock;
    std::condition_variable m_stopped;
    bool m_stop = false;
    qint64 m_lastBeat = 0;
    QString m_beatName;
    std::atomic<bool> m_gaveUp = false;
    std::thread m_watchdog;
};
