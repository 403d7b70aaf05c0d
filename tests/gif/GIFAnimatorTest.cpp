#include "AnimatorTestSupport.h"
#include "GifClasses.h"
#include "TClassInfo.h"
#include "TClassRegistry.h"
#include "TGIFFrame.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TPicture.h"
#include "TRxTimer.h"

using namespace AnimatorTest;

namespace {

// Counts the animator's notifications.
struct Events {
    explicit Events(TRxGIFAnimator& animator)
    {
        animator.OnStart = [this](TObject*) { ++starts; };
        animator.OnStop = [this](TObject*) { ++stops; };
        animator.OnChange = [this](TObject*) { ++changes; };
        animator.OnFrameChanged = [this, &animator](TObject*) {
            frames.push_back(animator.FrameIndex());
        };
    }
    int starts = 0;
    int stops = 0;
    int changes = 0;
    std::vector<int> frames;
};

} // namespace

TEST(GIFAnimator, StartsWithItsDeclaredDefaults)
{
    TRxGIFAnimator animator(nullptr);
    EXPECT_FALSE(animator.Animate());
    EXPECT_FALSE(animator.AsyncDrawing());
    EXPECT_TRUE(animator.AutoSize());
    EXPECT_FALSE(animator.Center());
    EXPECT_EQ(animator.FrameIndex(), 0);
    EXPECT_TRUE(animator.Loop());
    EXPECT_FALSE(animator.Stretch());
    EXPECT_TRUE(animator.Transparent());
    EXPECT_TRUE(animator.Image()->Empty());
    EXPECT_EQ(animator.BoundsRect(), QRect(0, 0, 105, 105));
    EXPECT_TRUE(animator.ParentColor());
    EXPECT_TRUE(animator.Timer()->SyncEvent());
    EXPECT_EQ(animator.FrameDelay(), 0u);
}

// 0 and 2 hundredths play at 50 ms, 2000 hundredths (20 s) at 10 s.
TEST(GIFAnimator, FrameDelaysAreKeptBetween50MillisecondsAnd10Seconds)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator,
             File({Solid(QRect(0, 0, 4, 4), Red, 1, 0), Solid(QRect(0, 0, 4, 4), Green, 1, 2),
                   Solid(QRect(0, 0, 4, 4), Blue, 1, 2000)}));
    const unsigned expected[] = {50, 50, 10000};
    for (int index : {1, 2, 0}) {
        animator.SetFrameIndex(index);
        EXPECT_EQ(animator.FrameDelay(), expected[index]) << "frame " << index;
        EXPECT_EQ(animator.Timer()->Interval(), expected[index]) << "frame " << index;
    }
}

TEST(GIFAnimator, AOneFrameImageNeverAdvances)
{
    Host host;
    LoadInto(*host.animator, Opaque(1, 10));
    host.animator->SetAnimate(true);
    EXPECT_EQ(host.animator->FrameDelay(), 0u);
    EXPECT_EQ(host.animator->Timer()->Interval(), 0u);
    EXPECT_FALSE(host.animator->Timer()->ThreadRunning());
    host.animator->Timer()->Tick();
    EXPECT_EQ(host.animator->FrameIndex(), 0);
}

TEST(GIFAnimator, FrameIndexOutsideTheFramesIsIgnored)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator, Opaque(3));
    Events events(animator);
    animator.SetFrameIndex(-1);
    animator.SetFrameIndex(3);
    animator.SetFrameIndex(0);
    EXPECT_TRUE(events.frames.empty()) << "negative, the count and the same index";
    animator.SetFrameIndex(2);
    EXPECT_EQ(events.frames, std::vector<int>{2}) << "one notification";
    EXPECT_EQ(animator.FrameIndex(), 2);
}

TEST(GIFAnimator, WithoutLoopOnePassStopsOnFrameZero)
{
    Host host;
    TRxGIFAnimator& animator = *host.animator;
    LoadInto(animator, Opaque(3));
    Events events(animator);
    animator.SetLoop(false);
    animator.SetAnimate(true);
    EXPECT_EQ(events.starts, 1);
    for (int tick = 0; tick < 3; ++tick)
        animator.Timer()->Tick();
    EXPECT_EQ(events.frames, std::vector<int>({1, 2, 0}));
    EXPECT_FALSE(animator.Animate());
    EXPECT_EQ(events.stops, 1);
    EXPECT_FALSE(animator.Timer()->Enabled());
    animator.Timer()->Tick();
    EXPECT_EQ(animator.FrameIndex(), 0) << "stopped";
}

TEST(GIFAnimator, WithLoopTheAnimationGoesOnAfterTheLastFrame)
{
    Host host;
    TRxGIFAnimator& animator = *host.animator;
    LoadInto(animator, Opaque(2));
    Events events(animator);
    animator.SetAnimate(true);
    for (int tick = 0; tick < 3; ++tick)
        animator.Timer()->Tick();
    EXPECT_EQ(events.frames, std::vector<int>({1, 0, 1}));
    EXPECT_TRUE(animator.Animate());
    EXPECT_EQ(events.stops, 0);
}

TEST(GIFAnimator, TicksDoNothingForAHiddenControl)
{
    Host host;
    LoadInto(*host.animator, Opaque(3));
    host.animator->SetAnimate(true);
    host.animator->Hide();
    host.animator->Timer()->Tick();
    EXPECT_EQ(host.animator->FrameIndex(), 0);
    host.animator->Show();
    host.animator->Timer()->Tick();
    EXPECT_EQ(host.animator->FrameIndex(), 1);
}

TEST(GIFAnimator, SwitchingAnimateRaisesStartAndStop)
{
    TRxGIFAnimator animator(nullptr);
    Events events(animator);
    animator.SetAnimate(true);
    animator.SetAnimate(true);
    EXPECT_TRUE(animator.Animate());
    EXPECT_TRUE(animator.Timer()->Enabled());
    animator.SetAnimate(false);
    EXPECT_EQ(events.starts, 1);
    EXPECT_EQ(events.stops, 1);
    EXPECT_FALSE(animator.Timer()->OnTimer());
}

TEST(GIFAnimator, LoadingAnImageStartsAtItsCurrentFrameAndTakesItsSize)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator,
             File({Solid(QRect(0, 0, 4, 4), Red, 1, 30), Solid(QRect(0, 0, 4, 4), Blue)}));
    animator.SetFrameIndex(1);
    Events events(animator);
    LoadInto(animator,
             File({Solid(QRect(0, 0, 4, 4), Red, 1, 30), Solid(QRect(0, 0, 4, 4), Blue)}));
    EXPECT_EQ(events.changes, 1);
    EXPECT_EQ(animator.FrameIndex(), 0);
    EXPECT_EQ(animator.Timer()->Interval(), 300u);
    EXPECT_EQ(animator.BoundsRect(), QRect(0, 0, 4, 4)) << "auto-size to the logical screen";

    animator.SetAutoSize(false);
    animator.SetBounds(0, 0, 30, 20);
    LoadInto(animator, Opaque(2));
    EXPECT_EQ(animator.BoundsRect(), QRect(0, 0, 30, 20));
}

TEST(GIFAnimator, AssigningAnImageCopiesIt)
{
    TRxGIFAnimator animator(nullptr);
    const auto source = GifTest::Load(Opaque(3));
    animator.SetImage(source.get());
    EXPECT_TRUE(animator.Image()->Equals(source.get()));
    EXPECT_NE(animator.Image(), source.get());
    EXPECT_EQ(animator.Image()->Count(), 3);
    animator.SetImage(nullptr);
    EXPECT_TRUE(animator.Image()->Empty());
    EXPECT_EQ(animator.FrameIndex(), -1);
}

TEST(GIFAnimator, IsRegisteredForLayoutsWithTheGifFormat)
{
    RegisterGifClasses();
    const TClassInfo* info = TClassRegistry::Instance().Find(QStringLiteral("TRxGIFAnimator"));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->CanCreate());
    EXPECT_TRUE(TPicture::FileFormat(QStringLiteral("gif")));
    for (const char* name :
         {"AsyncDrawing", "Animate", "AutoSize", "Center", "FrameIndex", "Image", "Loop", "Stretch",
          "Transparent", "OnChange", "OnFrameChanged", "OnStart", "OnStop"})
        EXPECT_NE(info->FindProperty(QString::fromLatin1(name)), nullptr) << name;
}

TEST(GIFAnimator, LayoutsStoreOnlyWhatDiffersFromTheDefaults)
{
    RegisterGifClasses();
    const QString text = QStringLiteral("object Host: TForm\n"
                                        "  object Animator: TRxGIFAnimator\n"
                                        "    Left = 24\n"
                                        "    Top = 24\n"
                                        "    Width = 60\n"
                                        "    Height = 60\n"
                                        "    Animate = True\n"
                                        "    Loop = False\n"
                                        "  end\n"
                                        "end\n");
    TForm form(nullptr);
    TLayoutLoader(&form, QStringLiteral("test.layout")).Apply(text);
    auto* animator = dynamic_cast<TRxGIFAnimator*>(form.FindComponent(QStringLiteral("Animator")));
    ASSERT_NE(animator, nullptr);
    EXPECT_TRUE(animator->Animate());
    EXPECT_FALSE(animator->Loop());
    EXPECT_EQ(animator->BoundsRect(), QRect(24, 24, 60, 60));
    const QString written = TLayoutWriter::Write(&form);
    EXPECT_TRUE(written.contains(QStringLiteral("Animate = True")));
    EXPECT_TRUE(written.contains(QStringLiteral("Loop = False")));
    EXPECT_FALSE(written.contains(QStringLiteral("Transparent"))) << qPrintable(written);
    EXPECT_FALSE(written.contains(QStringLiteral("Image"))) << qPrintable(written);

    TForm again(nullptr);
    TLayoutLoader(&again, QStringLiteral("written.layout")).Apply(written);
    EXPECT_EQ(TLayoutWriter::Write(&again), written);
}
