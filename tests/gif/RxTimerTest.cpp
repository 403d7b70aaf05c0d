#include "AnimatorTestSupport.h"
#include "TErrorReport.h"
#include "TRxTimer.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

using namespace AnimatorTest;

namespace {

// Counts ticks and remembers the threads they ran on.
struct TickLog {
    void Record()
    {
        std::lock_guard lock(mutex);
        threads.insert(QThread::currentThread());
        ++count;
    }
    bool OnlyOnInterfaceThread()
    {
        std::lock_guard lock(mutex);
        return threads == std::set<QThread*>{QCoreApplication::instance()->thread()};
    }
    bool NeverOnInterfaceThread()
    {
        std::lock_guard lock(mutex);
        return !threads.contains(QCoreApplication::instance()->thread());
    }

    std::mutex mutex;
    std::set<QThread*> threads;
    std::atomic<int> count{0};
};

} // namespace

TEST(RxTimer, StartsWithItsDeclaredDefaultsAndNoThreadRunning)
{
    TRxTimer timer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_TRUE(timer.SyncEvent());
    EXPECT_TRUE(timer.Threaded());
    EXPECT_EQ(timer.ThreadPriority(), TThreadPriority::tpNormal);
    EXPECT_FALSE(timer.ThreadRunning()) << "no OnTimer, nothing to run";
}

TEST(RxTimer, ThreadRunsOnlyWhileEnabledWithAnIntervalAndAHandler)
{
    TRxTimer timer(nullptr);
    timer.SetOnTimer([](TObject*) {});
    EXPECT_TRUE(timer.ThreadRunning());
    timer.SetInterval(0);
    EXPECT_FALSE(timer.ThreadRunning());
    timer.SetInterval(20);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.ThreadRunning());
    timer.SetEnabled(true);
    timer.SetOnTimer(TNotifyEvent());
    EXPECT_FALSE(timer.ThreadRunning());
    timer.SetOnTimer([](TObject*) {});
    timer.SetThreaded(false);
    EXPECT_FALSE(timer.ThreadRunning()) << "a Qt timer paces it instead";
}

TEST(RxTimer, HandsItsTicksToTheInterfaceThread)
{
    TickLog log;
    TRxTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        log.Record();
    });
    ASSERT_TRUE(WaitFor([&] { return log.count >= 3; }));
    EXPECT_TRUE(log.OnlyOnInterfaceThread());
}

TEST(RxTimer, TicksWaitForTheInterfaceThread)
{
    TickLog log;
    TRxTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TObject*) { log.Record(); });
    ASSERT_TRUE(SpinFor([&] { return timer.HandOverPending(); }));
    EXPECT_EQ(log.count, 0) << "nothing runs while the interface thread handles no events";
    ASSERT_TRUE(WaitFor([&] { return log.count >= 1; }));
}

// A long operation that handles no events runs the waiting tick itself; the hand-over
// left in the event queue then does nothing.
TEST(RxTimer, AWaitingTickRunsOnceWhenTakenUpOutsideTheEventLoop)
{
    TickLog log;
    TRxTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TObject*) {
        log.Record();
        timer.SetInterval(3600 * 1000);
    });
    ASSERT_TRUE(SpinFor([&] { return timer.HandOverPending(); }));
    EXPECT_TRUE(timer.RunHandedOverTick());
    EXPECT_EQ(log.count, 1);
    EXPECT_TRUE(log.OnlyOnInterfaceThread());
    EXPECT_FALSE(timer.RunHandedOverTick()) << "the next tick is an hour away";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log.count, 1);
    EXPECT_FALSE(timer.HandOverPending());
}

TEST(RxTimer, WithoutSyncEventTicksRunOnTheTimerThread)
{
    TickLog log;
    TRxTimer timer(nullptr);
    timer.SetSyncEvent(false);
    timer.SetInterval(1);
    // Each tick takes a while, so that disabling is likely to meet one under way.
    std::atomic<bool> inTick{false};
    timer.SetOnTimer([&](TObject*) {
        inTick = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        log.Record();
        inTick = false;
    });
    ASSERT_TRUE(SpinFor([&] { return log.count >= 3; }));
    timer.SetEnabled(false);
    EXPECT_FALSE(inTick) << "disabling waited for the tick under way";
    EXPECT_TRUE(log.NeverOnInterfaceThread());
    EXPECT_FALSE(timer.ThreadRunning());
}

TEST(RxTimer, NotThreadedTicksComeFromTheEventLoop)
{
    TickLog log;
    TRxTimer timer(nullptr);
    timer.SetThreaded(false);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TObject*) { log.Record(); });
    ASSERT_TRUE(WaitFor([&] { return log.count >= 3; }));
    EXPECT_TRUE(log.OnlyOnInterfaceThread());
}

TEST(RxTimer, ATickHandedOverAfterTheTimerIsFreedDoesNothing)
{
    for (int round = 0; round < 5; ++round) {
        std::atomic<int> ticks{0};
        auto timer = std::make_unique<TRxTimer>(nullptr);
        timer->SetInterval(1);
        timer->SetOnTimer([&](TObject*) { ++ticks; });
        ASSERT_TRUE(SpinFor([&] { return timer->HandOverPending(); }));
        timer.reset(); // must not wait for the interface thread
        QCoreApplication::processEvents();
        EXPECT_EQ(ticks, 0);
    }
}

TEST(RxTimer, ATimerCanBeFreedByItsOwnTick)
{
    for (const bool syncEvent : {true, false}) {
        auto* timer = new TRxTimer(nullptr);
        std::atomic<bool> freed{false};
        timer->SetSyncEvent(syncEvent);
        timer->SetInterval(1);
        timer->SetOnTimer([&](TObject* sender) {
            delete dynamic_cast<TRxTimer*>(sender);
            freed = true;
        });
        EXPECT_TRUE(WaitFor([&] { return freed.load(); })) << "SyncEvent " << syncEvent;
    }
}

TEST(RxTimer, SynchronizeRunsAtOnceUnlessTheThreadRuns)
{
    TRxTimer timer(nullptr);
    bool ran = false;
    timer.Synchronize([&] { ran = true; });
    EXPECT_TRUE(ran) << "no thread";

    std::atomic<bool> handedOver{false};
    std::atomic<bool> ranOnInterfaceThread{false};
    timer.SetSyncEvent(false);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TObject*) {
        if (handedOver.exchange(true))
            return;
        timer.Synchronize([&] { ranOnInterfaceThread = OnInterfaceThread(); });
    });
    ASSERT_TRUE(WaitFor([&] { return ranOnInterfaceThread.load(); }));
}

TEST(RxTimer, ErrorsOfTicksOnTheTimerThreadReachTheErrorReport)
{
    QStringList reported;
    const auto previous = TErrorReport::SetReporter([&](const QString& text) { reported << text; });
    {
        TRxTimer timer(nullptr);
        std::atomic<bool> raised{false};
        timer.SetSyncEvent(false);
        timer.SetInterval(1);
        timer.SetOnTimer([&](TObject*) {
            if (!raised.exchange(true))
                throw EInvalidOperation(QStringLiteral("tick failed"));
        });
        EXPECT_TRUE(WaitFor([&] { return !reported.isEmpty(); }));
    }
    TErrorReport::SetReporter(previous);
    EXPECT_EQ(reported, QStringList{QStringLiteral("tick failed")});
}
