#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TResourceStream.h"
#include "T_AM2000_MenuItemCache.h"

#include <gtest/gtest.h>

namespace {

constexpr int Cell = 16;
constexpr TColor Magenta = TColor(0xFF00FF);
constexpr TColor Background = clWhite;

// A resource read the way any bitmap is read, independently of the table.
std::unique_ptr<TBitmap> ReadBitmap(const QString& name)
{
    TResourceStream stream(name);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromStream(stream);
    return bitmap;
}

// The pixel of a cell in key order, from the strip that holds it, as 0x00BBGGRR.
TColor StripPixel(int cell, int x, int y)
{
    static const std::unique_ptr<TBitmap> strips[] = {ReadBitmap("BMP_AM2000_MENUITEMCACHE0"),
                                                      ReadBitmap("BMP_AM2000_MENUITEMCACHE1")};
    const int firstCells = strips[0]->Width() / Cell;
    TBitmap& strip = cell < firstCells ? *strips[0] : *strips[1];
    const int left = (cell < firstCells ? cell : cell - firstCells) * Cell;
    return TColors::FromQColor(strip.Image().pixelColor(left + x, y));
}

std::unique_ptr<TBitmap> WhiteCanvas()
{
    auto bitmap = std::make_unique<TBitmap>(40, 40, TPixelFormat::pf24bit);
    bitmap->Canvas()->Brush()->SetColor(Background);
    bitmap->Canvas()->FillRect(QRect(0, 0, 40, 40));
    return bitmap;
}

// Every pixel of the drawn cell at (left, top) is the strip's, or the background where
// the strip is magenta; everything outside the cell stays background.
void ExpectCellDrawn(TBitmap& bitmap, int left, int top, int cell)
{
    int opaque = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const bool inside = x >= left && x < left + Cell && y >= top && y < top + Cell;
            const TColor source = inside ? StripPixel(cell, x - left, y - top) : Magenta;
            const TColor expected = source == Magenta ? Background : source;
            opaque += source == Magenta ? 0 : 1;
            ASSERT_EQ(bitmap.Canvas()->Pixels(x, y), expected) << "at " << x << ", " << y;
        }
    }
    EXPECT_GT(opaque, 20);
}

bool CanvasIsBlank(TBitmap& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Canvas()->Pixels(x, y) != Background)
                return false;
        }
    }
    return true;
}

} // namespace

TEST(StockGlyphDrawingTest, StripsAreEightBitBitmapsOfOneCellPerRow)
{
    const std::pair<const char*, int> strips[] = {{"BMP_AM2000_MENUITEMCACHE0", 111},
                                                  {"BMP_AM2000_MENUITEMCACHE1", 110}};
    for (const auto& [name, cells] : strips) {
        const std::unique_ptr<TBitmap> strip = ReadBitmap(name);
        EXPECT_EQ(strip->PixelFormat(), TPixelFormat::pf8bit) << name;
        EXPECT_EQ(strip->Width(), cells * Cell) << name;
        EXPECT_EQ(strip->Height(), Cell) << name;
        EXPECT_TRUE(strip->Palette().contains(qRgb(255, 0, 255))) << name;
    }
    // A row without a glyph has an all-magenta cell; a row with one shows something.
    for (int cell = 0; cell < T_AM2000_MenuItemCache::Instance().Count(); ++cell) {
        int magenta = 0;
        for (int y = 0; y < Cell; ++y) {
            for (int x = 0; x < Cell; ++x)
                magenta += StripPixel(cell, x, y) == Magenta ? 1 : 0;
        }
        EXPECT_EQ(magenta == Cell * Cell, !T_AM2000_MenuItemCache::Instance().Row(cell).HasGlyph())
            << T_AM2000_MenuItemCache::Instance().Row(cell).Caption().toStdString();
    }
}

TEST(StockGlyphDrawingTest, CheckAndRadioMarksAreBlackOnMagenta)
{
    for (const char* name : {"AM2000_SYSTEMCHECKMARK", "AM2000_SYSTEMRADIOITEM"}) {
        const std::unique_ptr<TBitmap> mark = ReadBitmap(name);
        EXPECT_EQ(mark->PixelFormat(), TPixelFormat::pf8bit) << name;
        ASSERT_EQ(mark->Image().size(), QSize(Cell, Cell)) << name;
        for (int y = 0; y < Cell; ++y) {
            for (int x = 0; x < Cell; ++x) {
                const TColor pixel = TColors::FromQColor(mark->Image().pixelColor(x, y));
                ASSERT_TRUE(pixel == Magenta || pixel == clBlack)
                    << name << " at " << x << ", " << y;
            }
        }
        EXPECT_EQ(TColors::FromQColor(mark->Image().pixelColor(0, 0)), Magenta) << name;
        EXPECT_EQ(TColors::FromQColor(mark->Image().pixelColor(7, 7)), clBlack) << name;
    }
}

TEST(StockGlyphDrawingTest, DrawsTheCaptionsCellTransparently)
{
    const std::unique_ptr<TBitmap> bitmap = WhiteCanvas();
    T_AM2000_MenuItemCache::Instance().DrawByCaption(*bitmap->Canvas(), 5, 7, "&Copy", true);
    ExpectCellDrawn(*bitmap, 5, 7, T_AM2000_MenuItemCache::Instance().Find("Copy")->KeyIndex());

    // Print Preview sits one cell later in key order than in the order of adding.
    const std::unique_ptr<TBitmap> preview = WhiteCanvas();
    T_AM2000_MenuItemCache::Instance().DrawByCaption(*preview->Canvas(), 0, 0, "Print Preview",
                                                     true);
    ExpectCellDrawn(*preview, 0, 0,
                    T_AM2000_MenuItemCache::Instance().Find("Print Preview")->KeyIndex());
}

TEST(StockGlyphDrawingTest, DefaultIndexZeroIsAddressBookAndGlyphCountIsNone)
{
    const std::unique_ptr<TBitmap> first = WhiteCanvas();
    T_AM2000_MenuItemCache::Instance().DrawByNumber(*first->Canvas(), 3, 2, 0, true);
    ExpectCellDrawn(*first, 3, 2,
                    T_AM2000_MenuItemCache::Instance().Find("Address Book")->KeyIndex());

    const int last = T_AM2000_MenuItemCache::Instance().GlyphCount() - 1;
    const std::unique_ptr<TBitmap> lastGlyph = WhiteCanvas();
    T_AM2000_MenuItemCache::Instance().DrawByNumber(*lastGlyph->Canvas(), 0, 0, last, true);
    ExpectCellDrawn(*lastGlyph, 0, 0,
                    T_AM2000_MenuItemCache::Instance().Find("Word Art")->KeyIndex());

    for (int number : {T_AM2000_MenuItemCache::Instance().GlyphCount(), -1, 100000}) {
        const std::unique_ptr<TBitmap> bitmap = WhiteCanvas();
        T_AM2000_MenuItemCache::Instance().DrawByNumber(*bitmap->Canvas(), 0, 0, number, true);
        EXPECT_TRUE(CanvasIsBlank(*bitmap)) << number;
        EXPECT_TRUE(T_AM2000_MenuItemCache::Instance().Glyph(number).isNull()) << number;
    }
    // A caption without a glyph draws nothing either.
    const std::unique_ptr<TBitmap> saveAs = WhiteCanvas();
    T_AM2000_MenuItemCache::Instance().DrawByCaption(*saveAs->Canvas(), 0, 0, "Save As...", true);
    EXPECT_TRUE(CanvasIsBlank(*saveAs));
}

TEST(StockGlyphDrawingTest, DisabledGlyphIsAFlatShapeOverItsShadow)
{
    const std::unique_ptr<TBitmap> bitmap = WhiteCanvas();
    T_AM2000_MenuItemCache::Instance().DrawByCaption(*bitmap->Canvas(), 4, 4, "Cut", false, clRed,
                                                     clBlue);
    int red = 0;
    int blue = 0;
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) {
            const TColor pixel = bitmap->Canvas()->Pixels(x, y);
            ASSERT_TRUE(pixel == Background || pixel == clRed || pixel == clBlue)
                << "at " << x << ", " << y;
            const bool inShadowReach = x >= 4 && x <= 20 && y >= 4 && y <= 20;
            ASSERT_TRUE(pixel == Background || inShadowReach) << "at " << x << ", " << y;
            red += pixel == clRed ? 1 : 0;
            blue += pixel == clBlue ? 1 : 0;
        }
    }
    EXPECT_GT(red, 10);
    EXPECT_GT(blue, 0);

    // Without a shadow colour only the shape is drawn.
    const std::unique_ptr<TBitmap> flat = WhiteCanvas();
    T_AM2000_MenuItemCache::Instance().DrawByCaption(*flat->Canvas(), 4, 4, "Cut", false, clRed,
                                                     clNone);
    int flatRed = 0;
    for (int y = 0; y < flat->Height(); ++y) {
        for (int x = 0; x < flat->Width(); ++x) {
            const TColor pixel = flat->Canvas()->Pixels(x, y);
            ASSERT_TRUE(pixel == Background || pixel == clRed);
            flatRed += pixel == clRed ? 1 : 0;
        }
    }
    EXPECT_EQ(flatRed, red);
}

TEST(StockGlyphDrawingTest, GlyphImageIsTheCellWithMagentaLeftOut)
{
    const QImage glyph = T_AM2000_MenuItemCache::Instance().Glyph(
        T_AM2000_MenuItemCache::Instance().GlyphNumber("Paste"));
    ASSERT_EQ(glyph.size(), QSize(Cell, Cell));
    const int cell = T_AM2000_MenuItemCache::Instance().Find("Paste")->KeyIndex();
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            const TColor strip = StripPixel(cell, x, y);
            const QColor pixel = glyph.pixelColor(x, y);
            EXPECT_EQ(pixel.alpha(), strip == Magenta ? 0 : 255);
            if (strip != Magenta) {
                EXPECT_EQ(TColors::FromQColor(pixel), strip);
            }
        }
    }
}

TEST(StockGlyphDrawingTest, BadStripResourcesRaiseErrors)
{
    const T_AM2000_GlyphStripResource missing[] = {{"BMP_NO_SUCH_STRIP", 1}};
    EXPECT_THROW(T_AM2000_MenuItemCache{missing}, EResNotFound);
    // The real strip with the wrong number of cells.
    const T_AM2000_GlyphStripResource wrongSize[] = {{"BMP_AM2000_MENUITEMCACHE0", 110}};
    EXPECT_THROW(T_AM2000_MenuItemCache{wrongSize}, EInvalidGraphic);
    // A picture that is no 8-bit bitmap.
    const T_AM2000_GlyphStripResource jpeg[] = {{"TOP", 1}};
    EXPECT_THROW(T_AM2000_MenuItemCache{jpeg}, EInvalidGraphic);
}
