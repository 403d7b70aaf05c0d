#include "AnimatorTestSupport.h"
#include "TLabel.h"

using namespace AnimatorTest;

namespace {

// A full-screen frame: red on the left half, the key colour on the right half.
QByteArray HalfKeyed()
{
    Frame frame{wholeScreen, {}, 0, 1, Key};
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            frame.pixels.push_back(x < 2 ? Red : Key);
    return File({frame, Solid(wholeScreen, Blue)});
}

// Four quadrants: red, green on top; blue, yellow below.
QByteArray Quadrants()
{
    Frame frame{wholeScreen, {}, 0, 1, -1};
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            frame.pixels.push_back(y < 2 ? (x < 2 ? Red : Green) : (x < 2 ? Blue : Yellow));
    return File({frame});
}

QImage Grab(QWidget* widget)
{
    return widget->grab().toImage();
}

} // namespace

TEST(GIFAnimatorPainting, KeyColouredPixelsShowTheParentAndTheWindowlessControlsBelow)
{
    Host host;
    auto* below = new TLabel(host.form.get());
    below->SetParent(host.panel);
    below->SetAutoSize(false);
    below->SetBounds(12, 10, 2, 2); // under the animator's top-right quarter
    below->SetColor(ColorOf(Blue));
    below->SendToBack();
    LoadInto(*host.animator, HalfKeyed());
    const QImage shown = Grab(host.animator);
    EXPECT_EQ(PixelOf(shown, 0, 0), ColorOf(Red));
    EXPECT_EQ(PixelOf(shown, 3, 0), ColorOf(Blue)) << "the label below";
    EXPECT_EQ(PixelOf(shown, 3, 3), Host::panelColor) << "the parent";
}

TEST(GIFAnimatorPainting, WithoutTransparentTheKeyColourIsPainted)
{
    Host host;
    LoadInto(*host.animator, HalfKeyed());
    host.animator->SetTransparent(false);
    EXPECT_EQ(PixelOf(Grab(host.animator), 3, 3), ColorOf(Key));
}

TEST(GIFAnimatorPainting, AnEmptyImageShowsTheParentOnly)
{
    Host host;
    host.animator->SetBounds(10, 10, 6, 6);
    const QImage shown = Grab(host.animator);
    for (QPoint at : {QPoint(0, 0), QPoint(5, 5), QPoint(2, 3)})
        EXPECT_EQ(PixelOf(shown, at.x(), at.y()), Host::panelColor);
}

TEST(GIFAnimatorPainting, ShowsTheCurrentFrame)
{
    Host host;
    LoadInto(*host.animator, HalfKeyed());
    host.animator->SetFrameIndex(1);
    EXPECT_EQ(PixelOf(Grab(host.animator), 3, 3), ColorOf(Blue));
}

TEST(GIFAnimatorPainting, ACentredFrameLargerThanTheControlIsCutOffEvenly)
{
    Host host;
    host.animator->SetAutoSize(false);
    LoadInto(*host.animator, Quadrants());
    host.animator->SetBounds(10, 10, 2, 2);
    host.animator->SetCenter(true);
    const QImage shown = Grab(host.animator);
    EXPECT_EQ(PixelOf(shown, 0, 0), ColorOf(Red));
    EXPECT_EQ(PixelOf(shown, 1, 0), ColorOf(Green));
    EXPECT_EQ(PixelOf(shown, 0, 1), ColorOf(Blue));
    EXPECT_EQ(PixelOf(shown, 1, 1), ColorOf(Yellow));
}

TEST(GIFAnimatorPainting, StretchFillsTheControl)
{
    Host host;
    host.animator->SetAutoSize(false);
    LoadInto(*host.animator, Quadrants());
    host.animator->SetBounds(10, 10, 8, 8);
    const QImage natural = Grab(host.animator);
    EXPECT_EQ(PixelOf(natural, 6, 6), Host::panelColor) << "at its own size at the corner";
    host.animator->SetStretch(true);
    const QImage stretched = Grab(host.animator);
    EXPECT_EQ(PixelOf(stretched, 6, 6), ColorOf(Yellow));
    EXPECT_EQ(PixelOf(stretched, 3, 3), ColorOf(Red));
}
