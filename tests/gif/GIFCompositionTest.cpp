#include "AnimatorTestSupport.h"
#include "TGIFData.h"
#include "TGIFFrame.h"

#include <QDir>
#include <QFile>

using namespace AnimatorTest;

namespace {

// A full-screen frame whose left half is color and right half the key colour.
Frame HalfKeyed(Index color, int disposal)
{
    Frame frame{wholeScreen, {}, 0, disposal, Key};
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            frame.pixels.push_back(x < 2 ? color : Key);
    return frame;
}

TColor Composed(TRxGIFAnimator& animator, int index, int x, int y)
{
    TColor transparent = clNone;
    return PixelOf(*animator.ComposeFrame(index, transparent), x, y);
}

QByteArray WaitAnimation()
{
    QFile file(
        QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/rcdata/Wait.gif"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Frame 1 covers the top-left corner and asks for what was below it to come back; that
// is not kept, so frame 2 is built from frame 0 instead of drawn over frame 1.
TEST(GIFComposition, RestoringThePreviousPictureForcesARebuild)
{
    const auto composeInOrder = [](int disposalOfFrame1) {
        TRxGIFAnimator animator(nullptr);
        LoadInto(animator,
                 File({Solid(wholeScreen, Red), Solid(QRect(0, 0, 2, 2), Green, disposalOfFrame1),
                       Solid(QRect(2, 2, 2, 2), Blue)}));
        TColor transparent = clNone;
        animator.ComposeFrame(0, transparent);
        EXPECT_EQ(Composed(animator, 1, 0, 0), ColorOf(Green));
        return Composed(animator, 2, 0, 0);
    };
    EXPECT_EQ(composeInOrder(1), ColorOf(Green)) << "drawn over frame 1";
    EXPECT_EQ(composeInOrder(3), ColorOf(Red)) << "rebuilt from frame 0";
}

TEST(GIFComposition, FramesInOrderAreDrawnOverThePreviousComposition)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator, File({Solid(wholeScreen, Red), Solid(QRect(0, 0, 2, 2), Green, 2),
                             Solid(QRect(2, 2, 2, 2), Blue)}));
    TColor transparent = clNone;
    TBitmap* first = animator.ComposeFrame(0, transparent);
    EXPECT_EQ(animator.ComposeFrame(1, transparent), first) << "the same bitmap, drawn over";
    EXPECT_EQ(Composed(animator, 2, 3, 3), ColorOf(Blue));
    EXPECT_EQ(Composed(animator, 2, 3, 0), ColorOf(Red)) << "frame 0 stays";
    EXPECT_EQ(Composed(animator, 2, 0, 0), TColors::FromRGB(255, 255, 255))
        << "frame 1 gave its area back to the window colour";
}

// Frame 1 covers the screen, has a key colour and restores the background: frames 0
// and 1 leave nothing behind, so frame 3 starts there. The background is the backdrop
// colour, as the image is transparent and its current frame has no key colour.
TEST(GIFComposition, JumpingToAFrameStartsFromTheLatestFrameCoveringTheScreen)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator,
             File({Solid(wholeScreen, Red), HalfKeyed(Green, 2), Solid(QRect(0, 0, 2, 2), Blue),
                   Solid(QRect(2, 2, 2, 2), Yellow), Solid(wholeScreen, Black)}));
    TColor transparent = clNone;
    animator.ComposeFrame(0, transparent);
    EXPECT_EQ(Composed(animator, 3, 0, 0), ColorOf(Blue));
    EXPECT_EQ(Composed(animator, 3, 3, 3), ColorOf(Yellow));
    EXPECT_EQ(Composed(animator, 3, 3, 0), ColorOf(Cyan)) << "neither frame 0 nor frame 1";
    EXPECT_EQ(Composed(animator, 3, 0, 3), ColorOf(Cyan));
}

TEST(GIFComposition, AFullScreenOpaqueFrameStartsTheComposition)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator, File({Solid(wholeScreen, Red), Solid(QRect(0, 0, 2, 2), Green),
                             Solid(wholeScreen, Blue), Solid(QRect(2, 2, 2, 2), Yellow)}));
    EXPECT_EQ(Composed(animator, 3, 0, 0), ColorOf(Blue));
    EXPECT_EQ(Composed(animator, 3, 3, 3), ColorOf(Yellow));
}

TEST(GIFComposition, WithoutAFrameCoveringTheScreenFrameZeroStartsIt)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator, File({Solid(QRect(0, 0, 2, 2), Red), Solid(QRect(2, 0, 2, 2), Green),
                             Solid(QRect(0, 2, 2, 2), Blue), Solid(QRect(2, 2, 2, 2), Yellow)}));
    EXPECT_EQ(Composed(animator, 3, 0, 0), ColorOf(Red));
    EXPECT_EQ(Composed(animator, 3, 3, 0), ColorOf(Green));
    EXPECT_EQ(Composed(animator, 3, 0, 3), ColorOf(Blue));
    EXPECT_EQ(Composed(animator, 3, 3, 3), ColorOf(Yellow));
}

TEST(GIFComposition, AnIndexPastTheLastFrameComposesTheLastFrame)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator, Opaque(2));
    EXPECT_EQ(Composed(animator, 7, 0, 0), ColorOf(Green));
    TColor transparent = clNone;
    EXPECT_EQ(TRxGIFAnimator(nullptr).ComposeFrame(0, transparent), nullptr) << "no frames";
}

// The wait animation: every frame has key colour entry 0 and restores the background,
// so each composition is the key colour with the frame's dots, marked transparent.
TEST(GIFComposition, TheCurrentFramesKeyColourIsTheTransparentColour)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator, WaitAnimation());
    ASSERT_EQ(animator.Image()->Count(), 25);
    const TColor key = animator.Image()->Data().ColorTable.Color(0);
    for (int index = 0; index < 25; ++index) {
        TColor transparent = clNone;
        TBitmap* composed = animator.ComposeFrame(index, transparent);
        ASSERT_EQ(transparent, key);
        EXPECT_TRUE(composed->Transparent());
        const TBitmap& frame = *animator.Image()->Frames(index)->DecodedBitmap();
        for (int y = 0; y < 60; y += 3)
            for (int x = 0; x < 60; x += 3) {
                const TColor drawn = TColors::FromQColor(frame.Image().pixelColor(x, y));
                ASSERT_EQ(PixelOf(*composed, x, y), drawn) << index << " at " << x << ", " << y;
            }
    }
}

TEST(GIFComposition, WithoutKeyColoursTheCompositionIsNotTransparent)
{
    TRxGIFAnimator animator(nullptr);
    LoadInto(animator, Opaque(2));
    TColor transparent = clRed;
    EXPECT_FALSE(animator.ComposeFrame(1, transparent)->Transparent());
    EXPECT_EQ(transparent, clNone);
}
