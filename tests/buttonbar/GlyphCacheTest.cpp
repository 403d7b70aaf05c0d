#include "TBitmap.h"
#include "TCanvas.h"
#include "TImageList.h"
#include "TPicture.h"
#include "TabcButtonGlyph.h"
#include "TabcGlyphCache.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A picture of cells of 8 x 6 pixels filled with one colour; its bottom-left pixel, the
// picture's transparent colour, is magenta.
QImage Cells(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(0, height - 1, qRgb(255, 0, 255));
    return image;
}

void SetCells(TabcButtonGlyph& glyph, int cells, QRgb colour)
{
    const QImage image = Cells(8 * cells, 6, colour);
    glyph.Picture()->Bitmap()->SetImage(image);
    glyph.SetNumGlyphs(cells);
}

// Draws the glyph's picture alone (no caption) in a state and returns the pixel at the
// picture's centre.
QRgb DrawnCentre(TabcButtonGlyph& glyph, TabcButtonState state = TabcButtonState::bsUp)
{
    TBitmap target;
    target.SetSize(20, 20);
    TabcButtonGlyph::Face face;
    face.state = state;
    glyph.Draw(*target.Canvas(), QRect(0, 0, 20, 20), face);
    return target.Image().pixel(10, 10) | 0xff000000;
}

const QSize cell(8, 6);

} // namespace

TEST(GlyphCache, StateImagesOfOneCellSizeShareOneListAndAreBuiltOnFirstDraw)
{
    TabcGlyphCache& cache = TabcGlyphCache::Instance();
    auto first = std::make_unique<TabcButtonGlyph>();
    auto second = std::make_unique<TabcButtonGlyph>();
    SetCells(*first, 1, qRgb(200, 0, 0));
    SetCells(*second, 5, qRgb(0, 0, 200));
    EXPECT_EQ(cache.List(cell), nullptr) << "nothing built before drawing";

    EXPECT_EQ(DrawnCentre(*first), qRgb(200, 0, 0));
    EXPECT_EQ(DrawnCentre(*second), qRgb(0, 0, 200));
    ASSERT_NE(cache.List(cell), nullptr);
    EXPECT_EQ(cache.UsedSlots(cell), 2);
    EXPECT_EQ(DrawnCentre(*first), qRgb(200, 0, 0));
    EXPECT_EQ(cache.UsedSlots(cell), 2) << "a second draw builds nothing";

    DrawnCentre(*second, TabcButtonState::bsHot);
    EXPECT_EQ(cache.UsedSlots(cell), 3);

    // A picture of another size has a list of its own.
    TabcButtonGlyph other;
    other.Picture()->Bitmap()->SetImage(Cells(10, 10, qRgb(0, 150, 0)));
    EXPECT_EQ(DrawnCentre(other), qRgb(0, 150, 0));
    EXPECT_EQ(cache.UsedSlots(QSize(10, 10)), 1);
    EXPECT_EQ(cache.UsedSlots(cell), 3);

    second.reset();
    EXPECT_EQ(cache.UsedSlots(cell), 1) << "a freed picture gives its slots back";
    first.reset();
    EXPECT_EQ(cache.List(cell), nullptr) << "the list goes with its last image";
}

TEST(GlyphCache, AChangedPictureOrColourRebuildsInAFreedSlotWithoutTouchingOthers)
{
    TabcGlyphCache& cache = TabcGlyphCache::Instance();
    TabcButtonGlyph kept, changed;
    SetCells(kept, 1, qRgb(10, 20, 30));
    SetCells(changed, 1, qRgb(40, 50, 60));
    DrawnCentre(kept);
    DrawnCentre(changed);
    const int listSize = cache.List(cell)->Count();

    SetCells(changed, 1, qRgb(70, 80, 90));
    EXPECT_EQ(cache.UsedSlots(cell), 1);
    EXPECT_EQ(DrawnCentre(changed), qRgb(70, 80, 90));
    EXPECT_EQ(cache.List(cell)->Count(), listSize) << "the freed slot is used again";
    EXPECT_EQ(DrawnCentre(kept), qRgb(10, 20, 30));

    changed.SetFaceColor(clRed);
    EXPECT_EQ(cache.UsedSlots(cell), 1);
    EXPECT_EQ(DrawnCentre(changed), qRgb(70, 80, 90));
    EXPECT_EQ(cache.UsedSlots(cell), 2);
}
