#include "AnimatorTestSupport.h"
#include "TRxTimer.h"

#include <atomic>

using namespace AnimatorTest;

namespace {

// Frame changes and where they were reported.
struct FrameLog {
    explicit FrameLog(TRxGIFAnimator& animator)
    {
        animator.OnFrameChanged = [this](TObject*) {
            if (!OnInterfaceThread())
                offThread = true;
            ++changes;
        };
    }
    std::atomic<int> changes{0};
    std::atomic<bool> offThread{false};
};

} // namespace

TEST(GIFAnimatorThreads, TicksOfTheTimerThreadArriveOnTheInterfaceThread)
{
    Host host;
    LoadInto(*host.animator, Opaque(3));
    FrameLog log(*host.animator);
    host.animator->SetAnimate(true);
    EXPECT_TRUE(host.animator->Timer()->ThreadRunning());
    ASSERT_TRUE(WaitFor([&] { return log.changes >= 4; }));
    EXPECT_FALSE(log.offThread);
}

// Regression: the timer thread has handed a tick to the interface thread, which frees
// the animator before it handles events. Freeing must not wait for the interface
// thread, and the tick, when it runs, must find nothing to do.
TEST(GIFAnimatorThreads, DestroyedWhileATickIsHandedOver)
{
    for (int round = 0; round < 5; ++round) {
        auto host = std::make_unique<Host>();
        LoadInto(*host->animator, Opaque(3));
        FrameLog log(*host->animator);
        host->animator->SetAnimate(true);
        TRxTimer* timer = host->animator->Timer();
        ASSERT_TRUE(SpinFor([&] { return timer->HandOverPending(); }));
        host.reset();
        QCoreApplication::processEvents();
        EXPECT_EQ(log.changes, 0);
    }
}

TEST(GIFAnimatorThreads, DestroyedInTheMiddleOfAnAnimation)
{
    for (int round = 0; round < 5; ++round) {
        auto host = std::make_unique<Host>();
        LoadInto(*host->animator, Opaque(3));
        FrameLog log(*host->animator);
        host->animator->SetAnimate(true);
        ASSERT_TRUE(WaitFor([&] { return log.changes >= 2; }));
        host.reset();
        QCoreApplication::processEvents();
    }
}

// With AsyncDrawing the timer thread advances and composes the frames; the frame
// notification still comes on the interface thread.
TEST(GIFAnimatorThreads, AsynchronousDrawingReportsFramesOnTheInterfaceThread)
{
    Host host;
    LoadInto(*host.animator, Opaque(3));
    FrameLog log(*host.animator);
    host.animator->SetAsyncDrawing(true);
    EXPECT_FALSE(host.animator->Timer()->SyncEvent());
    EXPECT_TRUE(TBitmap::DrawLocking());
    host.animator->SetAnimate(true);
    ASSERT_TRUE(WaitFor([&] { return log.changes >= 4; }));
    EXPECT_FALSE(log.offThread);
    host.animator->SetAnimate(false);
    const QImage shown = host.animator->grab().toImage();
    const TColor expected = ColorOf(Index(Red + host.animator->FrameIndex()));
    EXPECT_EQ(PixelOf(shown, 1, 1), expected);
}

TEST(GIFAnimatorThreads, AsynchronousOnePassStopsOnTheInterfaceThread)
{
    Host host;
    LoadInto(*host.animator, Opaque(3));
    std::atomic<bool> stoppedOffThread{false};
    std::atomic<int> stops{0};
    host.animator->OnStop = [&](TObject*) {
        stoppedOffThread = !OnInterfaceThread();
        ++stops;
    };
    host.animator->SetAsyncDrawing(true);
    host.animator->SetLoop(false);
    host.animator->SetAnimate(true);
    ASSERT_TRUE(WaitFor([&] { return !host.animator->Animate(); }));
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(stoppedOffThread);
    EXPECT_EQ(host.animator->FrameIndex(), 0);
}

TEST(GIFAnimatorThreads, DestroyedWhileAnimatingAsynchronously)
{
    for (int round = 0; round < 5; ++round) {
        auto host = std::make_unique<Host>();
        LoadInto(*host->animator, Opaque(3));
        FrameLog log(*host->animator);
        host->animator->SetAsyncDrawing(true);
        host->animator->SetAnimate(true);
        ASSERT_TRUE(SpinFor([&] { return host->animator->FrameIndex() != 0; }));
        host.reset(); // a tick may be running on the timer thread right now
        QCoreApplication::processEvents();
    }
}
