#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"

#include <QFontMetrics>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>
#include <thread>

namespace {

// A white 20 x 12 bitmap in 32 bits to draw on.
std::unique_ptr<TBitmap> Surface(int width = 20, int height = 12)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
    return bitmap;
}

TColor At(TBitmap& bitmap, int x, int y)
{
    return bitmap.Canvas()->Pixels(x, y);
}

// The pixels of a row from x0 to x1 (excluded) as a string of 'X' (colour) and '.'.
std::string Row(TBitmap& bitmap, int y, int x0, int x1, TColor colour)
{
    std::string row;
    for (int x = x0; x < x1; ++x)
        row += At(bitmap, x, y) == colour ? 'X' : '.';
    return row;
}

std::string Column(TBitmap& bitmap, int x, int y0, int y1, TColor colour)
{
    std::string column;
    for (int y = y0; y < y1; ++y)
        column += At(bitmap, x, y) == colour ? 'X' : '.';
    return column;
}

// Counts the colours of a bitmap after drawing black text of the given height on white.
int TextColourCount(int height)
{
    auto bitmap = Surface(8 * -height, 2 * -height);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->SetName(QStringLiteral("宋体"));
    canvas->Font()->SetHeight(height);
    canvas->TextOut(2, 2, QStringLiteral("界面Ag"));
    QSet<QRgb> colours;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x)
            colours.insert(bitmap->Image().pixel(x, y));
    return colours.size();
}

} // namespace

TEST(CanvasDrawing, NewBitmapsAreWhiteAndFillRectCoversExactlyTheRectangle)
{
    auto bitmap = Surface();
    EXPECT_EQ(At(*bitmap, 0, 0), clWhite);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(2, 3, 6, 5));
    EXPECT_EQ(Row(*bitmap, 3, 0, 8, clRed), "..XXXX..");
    EXPECT_EQ(Column(*bitmap, 2, 0, 7, clRed), "...XX..");
}

TEST(CanvasDrawing, RectangleOutlinesTheEdgePixelsAndFillsInside)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->Pen()->SetColor(clBlue);
    canvas->Brush()->SetColor(clLime);
    canvas->Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Row(*bitmap, 1, 0, 8, clBlue), ".XXXXX..");
    EXPECT_EQ(Row(*bitmap, 4, 0, 8, clBlue), ".XXXXX..");
    EXPECT_EQ(Row(*bitmap, 2, 0, 8, clBlue), ".X...X..");
    EXPECT_EQ(Row(*bitmap, 2, 0, 8, clLime), "..XXX...");
}

TEST(CanvasDrawing, RectangleWithoutPenFillsOnePixelLessAtRightAndBottom)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->Pen()->SetStyle(TPenStyle::psClear);
    canvas->Brush()->SetColor(clLime);
    canvas->Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Row(*bitmap, 1, 0, 8, clLime), ".XXXX...");
    EXPECT_EQ(Column(*bitmap, 1, 0, 6, clLime), ".XXX..");
}

TEST(CanvasDrawing, ClearBrushLeavesTheInside)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    canvas->Rectangle(0, 0, 5, 5);
    EXPECT_EQ(At(*bitmap, 2, 2), clWhite);
    EXPECT_EQ(At(*bitmap, 0, 2), clBlack);
}

TEST(CanvasDrawing, LinesLeaveOutTheirLastPixel)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->MoveTo(1, 2);
    canvas->LineTo(6, 2);
    EXPECT_EQ(Row(*bitmap, 2, 0, 8, clBlack), ".XXXXX..");
    EXPECT_EQ(canvas->PenPos(), QPoint(6, 2));
    canvas->LineTo(6, 6);
    EXPECT_EQ(Column(*bitmap, 6, 0, 8, clBlack), "..XXXX..");
    canvas->Polyline({QPoint(10, 0), QPoint(10, 3), QPoint(13, 3)});
    EXPECT_EQ(Column(*bitmap, 10, 0, 5, clBlack), "XXXX.");
    EXPECT_EQ(Row(*bitmap, 3, 9, 15, clBlack), ".XXX..");
}

TEST(CanvasDrawing, XorPenDrawnTwiceRestores)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->Pen()->SetMode(TPenMode::pmXor);
    canvas->Pen()->SetColor(clWhite);
    canvas->MoveTo(0, 1);
    canvas->LineTo(10, 1);
    EXPECT_EQ(At(*bitmap, 4, 1), clBlack);
    canvas->MoveTo(0, 1);
    canvas->LineTo(10, 1);
    EXPECT_EQ(At(*bitmap, 4, 1), clWhite);
}

TEST(CanvasDrawing, FrameRectDrawsOnePixelInTheBrushColour)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FrameRect(Rect(1, 1, 5, 4));
    EXPECT_EQ(Row(*bitmap, 1, 0, 6, clRed), ".XXXX.");
    EXPECT_EQ(Row(*bitmap, 2, 0, 6, clRed), ".X..X.");
    EXPECT_EQ(Row(*bitmap, 3, 0, 6, clRed), ".XXXX.");
}

TEST(CanvasDrawing, Frame3DGivesTheCornersToTheBottomColourAndShrinksTheRectangle)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    QRect r = Rect(0, 0, 6, 5);
    canvas->Frame3D(r, clRed, clBlue, 2);
    EXPECT_EQ(r, Rect(2, 2, 4, 3));
    EXPECT_EQ(Row(*bitmap, 0, 0, 6, clRed), "XXXXX.");
    EXPECT_EQ(At(*bitmap, 5, 0), clBlue) << "top-right corner";
    EXPECT_EQ(Row(*bitmap, 4, 0, 6, clBlue), "XXXXXX");
    EXPECT_EQ(Column(*bitmap, 0, 0, 5, clRed), "XXXX.");
    EXPECT_EQ(Row(*bitmap, 1, 0, 6, clRed), "XXXX..") << "second ring";
    EXPECT_EQ(Row(*bitmap, 1, 0, 6, clBlue), "....XX");
}

TEST(CanvasDrawing, FocusRectInvertsEveryOtherPixelAndTwiceRestores)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->DrawFocusRect(Rect(0, 0, 8, 4));
    EXPECT_EQ(Row(*bitmap, 0, 0, 8, clBlack), "X.X.X.X.");
    EXPECT_EQ(Row(*bitmap, 1, 0, 8, clBlack), ".......X");
    EXPECT_EQ(At(*bitmap, 3, 2), clWhite) << "inside untouched";
    canvas->DrawFocusRect(Rect(0, 0, 8, 4));
    EXPECT_EQ(Row(*bitmap, 0, 0, 8, clWhite), "XXXXXXXX");
}

TEST(CanvasDrawing, HatchBrushesDrawLinesOverWhatIsThere)
{
    auto bitmap = Surface(16, 16);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->Brush()->SetStyle(TBrushStyle::bsHorizontal);
    canvas->FillRect(Rect(0, 0, 16, 16));
    int red = 0;
    for (int y = 0; y < 16; ++y)
        red += At(*bitmap, 5, y) == clRed;
    EXPECT_EQ(red, 2) << "one line in every 8 rows";
    int white = 0;
    for (int y = 0; y < 16; ++y)
        white += At(*bitmap, 5, y) == clWhite;
    EXPECT_EQ(white, 14) << "between the lines the pixels stay";
}

TEST(CanvasDrawing, ForwardDiagonalHatchRunsDownToTheRight)
{
    auto bitmap = Surface(16, 16);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->Brush()->SetStyle(TBrushStyle::bsFDiagonal);
    canvas->FillRect(Rect(0, 0, 16, 16));
    const int x0 = Row(*bitmap, 0, 0, 8, clRed).find('X');
    ASSERT_NE(x0, int(std::string::npos));
    EXPECT_EQ(At(*bitmap, (x0 + 1) % 8, 1), clRed);
    EXPECT_EQ(At(*bitmap, (x0 + 2) % 8, 2), clRed);
    EXPECT_EQ(Row(*bitmap, 3, 0, 8, clRed).find('X'), size_t((x0 + 3) % 8));
}

TEST(CanvasDrawing, PatternBrushRepeatsItsBitmapFromTheOrigin)
{
    TBitmap pattern(2, 2, TPixelFormat::pf32bit);
    pattern.Canvas()->SetPixels(0, 0, clRed);
    pattern.Canvas()->SetPixels(1, 1, clRed);
    pattern.Canvas()->SetPixels(1, 0, clBlue);
    pattern.Canvas()->SetPixels(0, 1, clBlue);
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetBitmap(&pattern);
    EXPECT_EQ(canvas->Brush()->Bitmap(), &pattern);
    canvas->FillRect(Rect(3, 3, 9, 9));
    EXPECT_EQ(At(*bitmap, 4, 4), clRed);
    EXPECT_EQ(At(*bitmap, 5, 4), clBlue);
    EXPECT_EQ(At(*bitmap, 5, 5), clRed);
}

TEST(CanvasDrawing, PixelsReadAndWriteAndAreMinusOneOutside)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->SetPixels(3, 4, TColor(0x123456));
    EXPECT_EQ(canvas->Pixels(3, 4), TColor(0x123456));
    EXPECT_EQ(canvas->Pixels(-1, 0), TColor(-1));
    EXPECT_EQ(canvas->Pixels(20, 0), TColor(-1));
}

TEST(CanvasDrawing, CopyModesCombineSourceAndDestination)
{
    TBitmap source(1, 1, TPixelFormat::pf32bit);
    source.Canvas()->SetPixels(0, 0, TColor(0x0F0F0F)); // S
    const struct {
        TCopyMode mode;
        quint32 expected; // with D = 0x33CC55 and P = 0x00FF00
    } cases[] = {
        {cmSrcCopy, 0x0F0F0F},    {cmSrcAnd, 0x030C05},      {cmSrcPaint, 0x3FCF5F},
        {cmSrcInvert, 0x3CC35A},  {cmSrcErase, 0x0C030A},                            // S & ~D
        {cmNotSrcCopy, 0xF0F0F0}, {cmNotSrcErase, 0xC030A0},                         // ~(S | D)
        {cmMergePaint, 0xF3FCF5},                                                    // ~S | D
        {cmMergeCopy, 0x000F00},                                                     // S & P
        {cmPatCopy, 0x00FF00},    {cmPatInvert, 0x333355},   {cmPatPaint, 0xF3FFF5}, // P | ~S | D
        {cmDstInvert, 0xCC33AA},  {cmBlackness, 0x000000},   {cmWhiteness, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        TBitmap dest(2, 2, TPixelFormat::pf32bit);
        TCanvas* canvas = dest.Canvas();
        canvas->Brush()->SetColor(TColor(0x55CC33)); // D, as 0x00BBGGRR
        canvas->FillRect(Rect(0, 0, 2, 2));
        canvas->Brush()->SetColor(clLime); // P
        canvas->SetCopyMode(c.mode);
        canvas->CopyRect(Rect(0, 0, 1, 1), *source.Canvas(), Rect(0, 0, 1, 1));
        const QRgb got = dest.Image().pixel(0, 0) & 0xFFFFFF;
        EXPECT_EQ(got, c.expected) << std::hex << "mode " << c.mode << " gave " << got;
        EXPECT_EQ(qAlpha(dest.Image().pixel(0, 0)), 255);
        EXPECT_EQ(dest.Image().pixel(1, 1) & 0xFFFFFF, 0x33CC55u) << "outside the target";
    }
}

TEST(CanvasDrawing, CopyRectStretchesWithNearestPixels)
{
    TBitmap source(2, 1, TPixelFormat::pf24bit);
    source.Canvas()->SetPixels(0, 0, clRed);
    source.Canvas()->SetPixels(1, 0, clBlue);
    auto bitmap = Surface();
    bitmap->Canvas()->CopyRect(Rect(0, 0, 8, 2), *source.Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(Row(*bitmap, 1, 0, 9, clRed), "XXXX.....");
    EXPECT_EQ(Row(*bitmap, 0, 0, 9, clBlue), "....XXXX.");
}

TEST(CanvasDrawing, CopyRectWithinOneCanvasCopiesTheOldPixels)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->SetPixels(0, 0, clRed);
    canvas->SetPixels(1, 0, clBlue);
    canvas->CopyRect(Rect(1, 0, 3, 1), *canvas, Rect(0, 0, 2, 1));
    EXPECT_EQ(At(*bitmap, 1, 0), clRed);
    EXPECT_EQ(At(*bitmap, 2, 0), clBlue);
}

TEST(CanvasDrawing, DrawAndStretchDrawPlaceABitmap)
{
    TBitmap glyph(2, 2, TPixelFormat::pf24bit);
    glyph.Canvas()->Brush()->SetColor(clNavy);
    glyph.Canvas()->FillRect(Rect(0, 0, 2, 2));
    auto bitmap = Surface();
    bitmap->Canvas()->Draw(3, 1, &glyph);
    EXPECT_EQ(Row(*bitmap, 1, 0, 7, clNavy), "...XX..");
    bitmap->Canvas()->StretchDraw(Rect(0, 5, 10, 7), &glyph);
    EXPECT_EQ(Row(*bitmap, 6, 0, 11, clNavy), "XXXXXXXXXX.");
    bitmap->Canvas()->Draw(0, 0, nullptr); // nothing to draw: nothing happens
}

TEST(CanvasDrawing, TransparentBitmapsLeaveOutTheirTransparentColour)
{
    TBitmap glyph(3, 1, TPixelFormat::pf24bit);
    glyph.Canvas()->SetPixels(0, 0, clFuchsia);
    glyph.Canvas()->SetPixels(1, 0, clRed);
    glyph.Canvas()->SetPixels(2, 0, clFuchsia);
    glyph.SetTransparentColor(clFuchsia);
    glyph.SetTransparent(true);
    auto bitmap = Surface();
    bitmap->Canvas()->Brush()->SetColor(clYellow);
    bitmap->Canvas()->FillRect(Rect(0, 0, 20, 12));
    bitmap->Canvas()->StretchDraw(Rect(0, 0, 6, 2), &glyph);
    EXPECT_EQ(Row(*bitmap, 0, 0, 7, clYellow), "XX..XXX");
    EXPECT_EQ(Row(*bitmap, 1, 0, 7, clRed), "..XX...");
}

TEST(CanvasDrawing, AutomaticTransparentColourIsTheBottomLeftPixel)
{
    TBitmap glyph(2, 2, TPixelFormat::pf32bit);
    glyph.Canvas()->SetPixels(0, 1, clGreen);
    glyph.Canvas()->SetPixels(1, 1, clGreen);
    EXPECT_EQ(glyph.TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(glyph.TransparentColor(), TColor(0x02000000 | clGreen));
    glyph.SetTransparent(true);
    auto bitmap = Surface();
    bitmap->Canvas()->Draw(0, 0, &glyph);
    EXPECT_EQ(Row(*bitmap, 1, 0, 3, clWhite), "XXX");
    EXPECT_EQ(Row(*bitmap, 0, 0, 3, clWhite), "XXX") << "the top row was white";
}

TEST(CanvasDrawing, TransparentStretchTakesDefaultsForEmptyRectangles)
{
    TBitmap glyph(2, 1, TPixelFormat::pf24bit);
    glyph.Canvas()->SetPixels(0, 0, clRed);
    glyph.Canvas()->SetPixels(1, 0, clBlack);
    auto bitmap = Surface();
    glyph.TransparentStretch(*bitmap->Canvas(), QRect(4, 4, 0, 0), QRect(), clBlack);
    EXPECT_EQ(Row(*bitmap, 4, 3, 7, clRed), ".X..");
    EXPECT_EQ(At(*bitmap, 5, 4), clWhite);
    glyph.TransparentStretch(*bitmap->Canvas(), QRect(0, 8, 4, 1), QRect(), clNone);
    EXPECT_EQ(Row(*bitmap, 8, 0, 5, clBlack), "..XX.") << "clNone draws plainly";
}

TEST(CanvasDrawing, TextIsDrawnInTheFontColourInsideItsExtent)
{
    auto bitmap = Surface(60, 30);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->SetColor(clRed);
    canvas->Font()->SetHeight(-14);
    canvas->Brush()->SetColor(clYellow);
    const QSize extent = canvas->TextExtent("Hi");
    EXPECT_GT(extent.width(), 4);
    EXPECT_GE(extent.height(), 14);
    EXPECT_EQ(canvas->TextWidth("Hi"), extent.width());
    canvas->TextOut(5, 3, "Hi");
    EXPECT_EQ(canvas->PenPos(), QPoint(5 + extent.width(), 3));
    EXPECT_EQ(At(*bitmap, 5, 3), clYellow) << "the cell is filled with the brush";
    EXPECT_EQ(At(*bitmap, 4, 3), clWhite);
    EXPECT_EQ(At(*bitmap, 5 + extent.width(), 3), clWhite);
    int reddish = 0;
    for (int y = 3; y < 3 + extent.height(); ++y)
        for (int x = 5; x < 5 + extent.width(); ++x)
            reddish += qRed(bitmap->Image().pixel(x, y)) > 200 &&
                       qGreen(bitmap->Image().pixel(x, y)) < 100;
    EXPECT_GT(reddish, 5);
}

// Widths are remembered per text and font: a change of size, style or face is measured
// anew, and a font seen before gives its width again.
TEST(CanvasDrawing, TextWidthsFollowTheFont)
{
    auto bitmap = Surface(60, 30);
    TCanvas* canvas = bitmap->Canvas();
    const QString text = "Menu entry";
    const auto measured = [&] {
        return QFontMetrics(canvas->Font()->ToQFont()).horizontalAdvance(text);
    };
    canvas->Font()->SetHeight(-12);
    const int small = canvas->TextWidth(text);
    EXPECT_EQ(small, measured());
    canvas->Font()->SetHeight(-24);
    const int large = canvas->TextWidth(text);
    EXPECT_EQ(large, measured());
    EXPECT_GT(large, small);
    canvas->Font()->SetStyle({TFontStyle::fsBold});
    EXPECT_EQ(canvas->TextWidth(text), measured());
    EXPECT_GT(canvas->TextWidth(text), large) << "bold is wider";
    canvas->Font()->SetName("DejaVu Sans Mono");
    EXPECT_EQ(canvas->TextExtent(text).width(), measured());
    canvas->Font()->SetStyle({});
    canvas->Font()->SetName(TFont().Name());
    canvas->Font()->SetHeight(-12);
    EXPECT_EQ(canvas->TextWidth(text), small);
    EXPECT_LT(canvas->TextWidth("Menu"), small) << "a shorter text of the same font";
}

TEST(CanvasDrawing, SmallTextIsUnsmoothedAndLargeTextSmoothed)
{
    EXPECT_EQ(TextColourCount(-12), 2) << "only ink and paper at 12 pixels";
    EXPECT_EQ(TextColourCount(-TFont::LargestUnsmoothedPixelSize), 2);
    EXPECT_GT(TextColourCount(-TFont::LargestUnsmoothedPixelSize - 8), 2) << "grey edges";
}

TEST(CanvasDrawing, TextRectClipsAndFillsTheRectangle)
{
    auto bitmap = Surface(60, 30);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clAqua);
    canvas->TextRect(Rect(10, 10, 20, 20), 12, 12, "WWWWWWWW");
    EXPECT_EQ(At(*bitmap, 10, 10), clAqua);
    EXPECT_EQ(At(*bitmap, 11, 19), clAqua);
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(At(*bitmap, 25, y), clWhite) << "clipped at the right";
}

TEST(CanvasDrawing, FormattedTextCalculatesItsRectangleAndAligns)
{
    auto bitmap = Surface(100, 40);
    TCanvas* canvas = bitmap->Canvas();
    QString text = "&File";
    QRect measured(0, 0, 100, 40);
    canvas->TextRect(measured, text, {TTextFormat::tfCalcRect, TTextFormat::tfSingleLine});
    EXPECT_NEAR(measured.width(), canvas->TextWidth("File"), 1);
    EXPECT_LT(measured.width(), canvas->TextWidth("&File")) << "the prefix is not text";
    EXPECT_EQ(At(*bitmap, 1, 1), clWhite) << "measuring draws nothing";

    QRect centred = Rect(0, 0, 100, 40);
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    canvas->TextRect(
        centred, text,
        {TTextFormat::tfCenter, TTextFormat::tfVerticalCenter, TTextFormat::tfSingleLine});
    int left = 100;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            if (At(*bitmap, x, y) != clWhite)
                left = std::min(left, x);
    EXPECT_NEAR(left, (100 - measured.width()) / 2, 3);

    QString longText = "a very long caption that does not fit";
    QRect narrow = Rect(0, 0, 40, 20);
    canvas->TextRect(narrow, longText,
                     {TTextFormat::tfEndEllipsis, TTextFormat::tfModifyString,
                      TTextFormat::tfCalcRect, TTextFormat::tfSingleLine});
    EXPECT_TRUE(longText.endsWith(QChar(0x2026)) || longText.endsWith("..."))
        << longText.toStdString();
}

TEST(CanvasDrawing, ClippingLimitsDrawingAndResets)
{
    auto bitmap = Surface();
    TCanvas* canvas = bitmap->Canvas();
    canvas->IntersectClipRect(Rect(2, 2, 10, 10));
    EXPECT_EQ(canvas->ClipRect(), Rect(2, 2, 10, 10));
    canvas->ExcludeClipRect(Rect(4, 4, 6, 6));
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 20, 12));
    EXPECT_EQ(Row(*bitmap, 5, 0, 12, clRed), "..XX..XXXX..");
    canvas->ResetClipRegion();
    EXPECT_EQ(canvas->ClipRect(), Rect(0, 0, 20, 12));
    canvas->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(At(*bitmap, 0, 0), clRed);
}

TEST(CanvasDrawing, CanvasOfAWidgetDrawsDuringItsPaintEvent)
{
    class Painted : public QWidget {
    public:
        TCanvas canvas;
        void paintEvent(QPaintEvent*) override
        {
            TCanvas::PaintScope scope(canvas, this);
            canvas.Brush()->SetColor(clRed);
            canvas.FillRect(rect());
            canvas.Brush()->SetColor(clBlue);
            canvas.FillRect(Rect(2, 2, 4, 4));
            // The pixels under a widget painter can be read.
            pixel = canvas.Pixels(3, 3);
        }
        TColor pixel = clNone;
    } widget;
    widget.resize(10, 10);
    const QImage grabbed = widget.grab().toImage();
    EXPECT_EQ(grabbed.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(grabbed.pixel(3, 3), qRgb(0, 0, 255));
    EXPECT_FALSE(widget.canvas.HandleAllocated()) << "the session ended with the paint event";
}

TEST(CanvasDrawing, AdoptedPainterGetsItsStateBack)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(5, 5);
    {
        TCanvas canvas;
        TCanvas::PaintScope scope(canvas, &painter);
        canvas.Brush()->SetColor(clBlack);
        canvas.FillRect(Rect(0, 0, 1, 1));
        canvas.IntersectClipRect(Rect(0, 0, 1, 1));
        EXPECT_EQ(canvas.Pixels(0, 0), clBlack) << "read through the translation";
    }
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
}

TEST(CanvasDrawing, DrawingWithoutAPainterIsRefused)
{
    TCanvas canvas;
    try {
        canvas.FillRect(Rect(0, 0, 1, 1));
        FAIL() << "drew without a painter";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Canvas does not allow drawing");
    }
}

TEST(CanvasDrawing, LockIsRecursiveAndKeepsOtherThreadsOut)
{
    TCanvas canvas;
    canvas.Lock();
    canvas.Lock();
    EXPECT_EQ(canvas.LockCount(), 2);
    bool otherGotIt = true;
    std::thread other([&] { otherGotIt = canvas.TryLock(); });
    other.join();
    EXPECT_FALSE(otherGotIt);
    canvas.Unlock();
    canvas.Unlock();
    std::thread again([&] {
        otherGotIt = canvas.TryLock();
        if (otherGotIt)
            canvas.Unlock();
    });
    again.join();
    EXPECT_TRUE(otherGotIt);
}

TEST(CanvasDrawing, ChangesOfABitmapCanvasAreAnnouncedByTheBitmap)
{
    auto bitmap = Surface();
    int changes = 0;
    bitmap->OnChange = [&](TObject*) { ++changes; };
    bitmap->Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(bitmap->Modified());
}
