#include "TForm.h"
#include "TScreenshotStepRunner.h"

#include <QApplication>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace {

using Runner = TScreenshotStepRunner;

// Steps that note what they do; the runner's limits shortened, its endings recorded.
class StepRunner : public ::testing::Test {
protected:
    Runner::Step Note(const QString& name, int code = 0)
    {
        return {name,
                [this, name, code] {
                    Log(name);
                    return code;
                },
                0};
    }
    // Shows a modal window and notes how it was answered.
    Runner::Step OpenBox()
    {
        return {QStringLiteral("open"),
                [this] {
                    TForm box(nullptr);
                    box.SetBounds(20, 20, 100, 60);
                    Log(QStringLiteral("open"));
                    Log(QStringLiteral("answered %1").arg(int(box.ShowModal())));
                    return 0;
                },
                0};
    }
    // Answers the open box with OK; the steps after it wait a little.
    Runner::Step Confirm()
    {
        return {QStringLiteral("confirm"),
                [this] {
                    auto* box = dynamic_cast<TForm*>(QApplication::activeModalWidget());
                    Log(box ? QStringLiteral("confirm") : QStringLiteral("no box"));
                    if (box)
                        box->SetModalResult(mrOk);
                    return 0;
                },
                50};
    }
    // Waits in an event loop of its own, which only ending the program's loops ends (or
    // nothing, when endsWithTheLoops is false, until the runner gives up).
    Runner::Step Stuck(bool endsWithTheLoops)
    {
        return {QStringLiteral("--click Stuck"),
                [this, endsWithTheLoops] {
                    Log(QStringLiteral("stuck"));
                    while (!(endsWithTheLoops && loopsEnded > 0) && !GaveUp())
                        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                    return 0;
                },
                0};
    }
    int RunAll(const QList<Runner::Step>& steps, int finishCode = 5)
    {
        const auto finish = [this, finishCode] {
            Log(QApplication::activeModalWidget() ? QStringLiteral("finish over the box")
                                                  : QStringLiteral("finish"));
            return finishCode;
        };
        const auto giveUp = [this](const QString& message) {
            const std::lock_guard lock(m_lock);
            gaveUp << message;
        };
        Runner runner(steps, finish, {200, 1000, 1500}, {giveUp, [this] { ++loopsEnded; }});
        return runner.Run();
    }
    void Log(const QString& what) { log << what; }
    bool GaveUp()
    {
        const std::lock_guard lock(m_lock);
        return !gaveUp.isEmpty();
    }

    QStringList log;
    QStringList gaveUp;
    int loopsEnded = 0;

private:
    std::mutex m_lock;
};

} // namespace

TEST_F(StepRunner, ABoxOpenedByAStepIsAnsweredByTheNextAndTheRestFollow)
{
    EXPECT_EQ(RunAll({OpenBox(), Confirm(), Note(QStringLiteral("after"))}), 5);
    EXPECT_EQ(log, (QStringList{"open", "confirm", "answered 1", "after", "finish"}));
    EXPECT_TRUE(gaveUp.isEmpty());
    EXPECT_EQ(loopsEnded, 0);
}

TEST_F(StepRunner, ABoxStillOpenAtTheEndIsFinishedOverThenCancelled)
{
    EXPECT_EQ(RunAll({OpenBox()}, 0), 0);
    EXPECT_EQ(log, (QStringList{"open", "finish over the box", "answered 2"}));
    EXPECT_EQ(loopsEnded, 0) << "cancelling was enough";
}

TEST_F(StepRunner, AStepThatFailsEndsTheRunWithItsCodeAndTheBoxIsCancelled)
{
    EXPECT_EQ(
        RunAll({OpenBox(), Note(QStringLiteral("unknown"), 2), Note(QStringLiteral("never"))}), 2);
    EXPECT_EQ(log, (QStringList{"open", "unknown", "answered 2"})) << "no finish";
}

TEST_F(StepRunner, AStepThatKeepsTheProgramFromHandlingEventsIsNamed)
{
    const Runner::Step slow{QStringLiteral("--click Slow"),
                            [] {
                                std::this_thread::sleep_for(std::chrono::milliseconds(2500));
                                return 0;
                            },
                            0};
    EXPECT_EQ(RunAll({slow, Note(QStringLiteral("never"))}), Runner::giveUpCode);
    EXPECT_EQ(gaveUp, QStringList{"--click Slow did not finish within 1 s"});
    EXPECT_TRUE(log.isEmpty()) << qPrintable(log.join(','));
}

TEST_F(StepRunner, AStepWaitingInALoopOfItsOwnIsPassedAndItsLoopEndedAtTheEnd)
{
    EXPECT_EQ(RunAll({Stuck(true), Note(QStringLiteral("after"))}), 5);
    EXPECT_EQ(log, (QStringList{"stuck", "after", "finish"}));
    EXPECT_EQ(loopsEnded, 1);
    EXPECT_TRUE(gaveUp.isEmpty());
}

TEST_F(StepRunner, AStepStillWaitingAfterTheLoopsEndedIsNamed)
{
    EXPECT_EQ(RunAll({Stuck(false)}), Runner::giveUpCode);
    EXPECT_EQ(log, (QStringList{"stuck", "finish"}));
    EXPECT_EQ(gaveUp,
              QStringList{"--click Stuck did not finish within 1.5 s after the screenshot"});
}
