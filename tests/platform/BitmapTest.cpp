#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"

#include <gtest/gtest.h>

namespace {

QByteArray Saved(const TBitmap& bitmap)
{
    TMemoryStream out;
    bitmap.SaveToStream(out);
    return out.Bytes();
}

void LoadBytes(TBitmap& bitmap, const QByteArray& bytes)
{
    TMemoryStream in(bytes);
    bitmap.LoadFromStream(in);
}

} // namespace

TEST(Bitmap, StartsEmptyInTheDeviceFormat)
{
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pfDevice);
    EXPECT_EQ(bitmap.HandleType(), TBitmapHandleType::bmDDB);
    EXPECT_TRUE(Saved(bitmap).isEmpty()) << "an empty bitmap writes nothing";
}

TEST(Bitmap, GrowingKeepsPixelsAndFillsWithTheBrushColour)
{
    TBitmap bitmap(2, 2);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.SetSize(4, 3);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clBlue);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), clBlue);
}

TEST(Bitmap, SizesBeyondTheLimitsAreRefused)
{
    TBitmap bitmap;
    EXPECT_THROW(bitmap.SetSize(TBitmap::MaxDimension + 1, 1), EInvalidGraphic);
    EXPECT_THROW(bitmap.SetSize(20000, 20000), EInvalidGraphic);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, ScanLinesFollowThePixelFormat)
{
    TBitmap bitmap(3, 2, TPixelFormat::pf24bit);
    uchar* row = bitmap.ScanLine(1);
    row[0] = 0x10; // blue
    row[1] = 0x20; // green
    row[2] = 0x30; // red
    bitmap.SetModified(true);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), TColor(0x102030));
    EXPECT_EQ(bitmap.BytesPerScanLine(), 12);
    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphicOperation);

    TBitmap wide(2, 1, TPixelFormat::pf32bit);
    wide.Canvas()->SetPixels(1, 0, TColor(0x030201));
    const uchar* pixels = static_cast<const TBitmap&>(wide).ScanLine(0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(pixels + 4), 4),
              QByteArray("\x03\x02\x01\xFF", 4));
}

TEST(Bitmap, PaletteFormatsMapToTheNearestPaletteColour)
{
    TBitmap bitmap(4, 1, TPixelFormat::pf24bit);
    bitmap.Canvas()->SetPixels(0, 0, TColor(0x0000F0)); // nearly red
    bitmap.Canvas()->SetPixels(1, 0, TColor(0x101010)); // nearly black
    bitmap.SetPixelFormat(TPixelFormat::pf4bit);
    EXPECT_EQ(bitmap.Palette().size(), 16);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clBlack);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), clWhite);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 9) << "index of red in the standard 16 colours";
}

TEST(Bitmap, DrawingOnAPaletteBitmapKeepsItsFormatAndPalette)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    QList<QRgb> palette(256, qRgb(0, 0, 0));
    palette[1] = qRgb(255, 255, 255);
    palette[2] = qRgb(0, 0, 250);
    bitmap.SetPalette(palette);
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(bitmap.Palette(), palette);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 2) << "blue became the nearest palette entry";
    EXPECT_EQ(bitmap.ScanLine(3)[3], 1) << "the new area was filled white";
}

TEST(Bitmap, SettingThePaletteRecoloursTheIndices)
{
    TBitmap bitmap(2, 1, TPixelFormat::pf1bit);
    bitmap.Canvas()->SetPixels(0, 0, clBlack);
    bitmap.SetPalette({qRgb(255, 0, 0), qRgb(0, 255, 0)});
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clLime);
    EXPECT_TRUE(bitmap.PaletteModified());
    EXPECT_TRUE(bitmap.Monochrome());
}

TEST(Bitmap, StreamRoundTripKeepsFormatPaletteAndPixels)
{
    const TPixelFormat formats[] = {
        TPixelFormat::pf1bit,  TPixelFormat::pf4bit,  TPixelFormat::pf8bit, TPixelFormat::pf15bit,
        TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit};
    for (TPixelFormat format : formats) {
        TBitmap bitmap(9, 5, format);
        bitmap.Canvas()->Brush()->SetColor(clBlack);
        bitmap.Canvas()->FillRect(Rect(2, 1, 5, 4));
        TBitmap copy;
        LoadBytes(copy, Saved(bitmap));
        EXPECT_EQ(copy.PixelFormat(), format);
        EXPECT_EQ(copy.Palette(), bitmap.Palette());
        EXPECT_EQ(copy.Image().convertToFormat(QImage::Format_RGB32),
                  bitmap.Image().convertToFormat(QImage::Format_RGB32));
    }
}

TEST(Bitmap, DeviceFormatSavesTwentyFourBits)
{
    TBitmap bitmap(2, 2);
    const QByteArray bytes = Saved(bitmap);
    EXPECT_EQ(bytes[28], char(24));
}

TEST(Bitmap, DamagedStreamLeavesTheBitmapAsItWas)
{
    TBitmap bitmap(3, 3, TPixelFormat::pf24bit);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    try {
        LoadBytes(bitmap, QByteArray("\xFF\xD8\xFF\xE0 a JPEG is no bitmap", 22));
        FAIL() << "loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid");
    }
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
}

TEST(Bitmap, LoadingReadsFromTheStreamPosition)
{
    TBitmap bitmap(2, 1, TPixelFormat::pf24bit);
    bitmap.Canvas()->SetPixels(1, 0, clLime);
    TMemoryStream stream(QByteArray("junk") + Saved(bitmap));
    stream.SetPosition(4);
    TBitmap copy;
    copy.LoadFromStream(stream);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 0), clLime);
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(Bitmap, ClipboardFormatIsADibWithoutFileHeader)
{
    TBitmap bitmap(2, 2, TPixelFormat::pf8bit);
    bitmap.Canvas()->SetPixels(0, 0, clBlack);
    const QByteArray dib = bitmap.SaveToClipboardFormat();
    EXPECT_FALSE(dib.startsWith("BM"));
    TBitmap pasted;
    pasted.LoadFromClipboardFormat("Bitmap", dib);
    EXPECT_EQ(pasted.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(pasted.Canvas()->Pixels(0, 0), clBlack);
    EXPECT_THROW(pasted.LoadFromClipboardFormat("Text", dib), EInvalidGraphic);
}

TEST(Bitmap, AssignMakesAnIndependentCopy)
{
    TBitmap original(3, 3, TPixelFormat::pf24bit);
    original.SetTransparentColor(clLime);
    original.SetTransparent(true);
    TBitmap copy;
    copy.Assign(&original);
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentMode(), TTransparentMode::tmFixed);
    copy.Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(original.Canvas()->Pixels(0, 0), clWhite);
    original.Canvas()->SetPixels(1, 1, clBlue);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clWhite);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    auto clone = original.Clone();
    EXPECT_EQ(clone->Width(), 3);
    EXPECT_TRUE(clone->Equals(&original));
}

TEST(Bitmap, TransparentModeFollowsTheColour)
{
    TBitmap bitmap(2, 2);
    bitmap.SetTransparentColor(clRed);
    EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), TColor(0x020000FF));
    bitmap.SetTransparentMode(TTransparentMode::tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), TColor(0x02FFFFFF)) << "the bottom-left pixel";
    TBitmap mono(2, 2, TPixelFormat::pf1bit);
    mono.Canvas()->SetPixels(0, 1, clBlack);
    EXPECT_EQ(mono.TransparentColor(), TColor(0x02FFFFFF)) << "white for monochrome";
}

TEST(Bitmap, HandleTypeAndMonochromeSwitchFormats)
{
    TBitmap bitmap(2, 2);
    bitmap.SetHandleType(TBitmapHandleType::bmDIB);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf32bit);
    bitmap.SetMonochrome(true);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf1bit);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
    bitmap.SetHandleType(TBitmapHandleType::bmDDB);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pfDevice);
}

TEST(Bitmap, DrawingOnAnEmptyBitmapIsLost)
{
    TBitmap bitmap;
    EXPECT_NO_THROW(bitmap.Canvas()->FillRect(Rect(0, 0, 5, 5)));
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, DrawLockingHoldsTheCanvasLockWhileDrawing)
{
    TBitmap glyph(2, 2);
    bool lockedDuringDraw = false;
    TBitmap target(4, 4);
    target.Canvas()->OnChange = [&] { lockedDuringDraw |= glyph.Canvas()->LockCount() > 0; };
    TBitmap::SetDrawLocking(true);
    target.Canvas()->Draw(0, 0, &glyph);
    TBitmap::SetDrawLocking(false);
    EXPECT_TRUE(lockedDuringDraw);
    EXPECT_EQ(glyph.Canvas()->LockCount(), 0);
}
