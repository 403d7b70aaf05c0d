#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TImageList.h"
#include "TMenuItem2000.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_GlyphChoice.h"
#include "T_AM2000_MenuItemCache.h"

#include <gtest/gtest.h>

namespace {

using G = T_AM2000_GlyphChoice;

// 8 x 4 with two glyphs: red left (its bottom-left pixel magenta, the transparent
// colour), green right.
void PaintTwoGlyphs(TBitmap& bitmap)
{
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    bitmap.SetSize(8, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(QRect(0, 0, 4, 4));
    bitmap.Canvas()->Brush()->SetColor(clLime);
    bitmap.Canvas()->FillRect(QRect(4, 0, 4, 4));
    bitmap.Canvas()->SetPixels(0, 3, clFuchsia);
}

class GlyphChoice : public ::testing::Test {
protected:
    G::Source Kind() const { return G(item, &images, cache).Kind(); }

    const T_AM2000_MenuItemCache& cache = T_AM2000_MenuItemCache::Instance();
    TImageList images{nullptr};
    TMenuItem2000 item{nullptr};
};

} // namespace

TEST_F(GlyphChoice, SourcesAreTakenInTheirOrder)
{
    images.Add(QImage(16, 16, QImage::Format_ARGB32));
    item.SetCaption(QStringLiteral("&Copy"));
    EXPECT_EQ(Kind(), G::StockCaption);
    TBitmap bitmap;
    PaintTwoGlyphs(bitmap);
    item.SetBitmap(&bitmap);
    EXPECT_EQ(Kind(), G::ItemBitmap);
    item.SetDefaultIndex(0);
    EXPECT_EQ(Kind(), G::StockNumber);
    // The image list only counts for an item without a bitmap of its own.
    item.SetImageIndex(0);
    EXPECT_EQ(Kind(), G::StockNumber);
    const TBitmap empty;
    item.SetBitmap(&empty);
    EXPECT_EQ(Kind(), G::ImageList);
}

TEST_F(GlyphChoice, StockNumbersOutsideTheTableAndUnknownCaptionsGiveNoGlyph)
{
    item.SetCaption(QString::fromUtf8("网络类"));
    EXPECT_EQ(Kind(), G::None);
    EXPECT_EQ(G(item, &images, cache).Size(), QSize(16, 16));
    item.SetDefaultIndex(cache.GlyphCount());
    EXPECT_EQ(Kind(), G::None);
    item.SetDefaultIndex(cache.GlyphCount() - 1);
    EXPECT_EQ(Kind(), G::StockNumber);
    item.SetImageIndex(3); // no such image
    EXPECT_EQ(Kind(), G::StockNumber);
}

TEST(GlyphIndex, DisabledThenCheckedOrPressedThenSelected)
{
    EXPECT_EQ(G::GlyphIndex(1, dsDisabled), 0);
    EXPECT_EQ(G::GlyphIndex(2, dsDisabled), 1);
    EXPECT_EQ(G::GlyphIndex(2, dsChecked), 0);
    EXPECT_EQ(G::GlyphIndex(3, dsChecked), 2);
    EXPECT_EQ(G::GlyphIndex(3, dsPressed | dsSelected), 2);
    EXPECT_EQ(G::GlyphIndex(3, dsSelected), 0);
    EXPECT_EQ(G::GlyphIndex(4, dsSelected), 3);
    EXPECT_EQ(G::GlyphIndex(4, dsSelected | dsDisabled), 1);
    EXPECT_EQ(G::GlyphIndex(4, 0), 0);
}

TEST_F(GlyphChoice, BitmapGlyphsAreCutSideBySideWithTheirTransparentColourLeftOut)
{
    TBitmap bitmap;
    PaintTwoGlyphs(bitmap);
    item.SetBitmap(&bitmap);
    item.SetNumGlyphs(2);
    const G choice(item, nullptr, cache);
    EXPECT_EQ(choice.Size(), QSize(4, 4));
    EXPECT_TRUE(choice.HasOwnDisabledGlyph());
    const QImage normal = choice.Glyph(0);
    EXPECT_EQ(normal.pixel(1, 1), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(normal.pixel(0, 3)), 0);
    EXPECT_EQ(choice.Glyph(dsDisabled).pixel(1, 1), qRgba(0, 255, 0, 255));
    // Five glyphs are refused and the count stays.
    EXPECT_THROW(item.SetNumGlyphs(5), Exception);
    EXPECT_EQ(G(item, nullptr, cache).Size(), QSize(4, 4));
}
