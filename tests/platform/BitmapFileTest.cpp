#include "BitmapFileBuilder.h"
#include "Exception.h"
#include "TBitmapFile.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QList<quint32> sixteenColours = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                       0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                       0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

QList<quint32> Greys(int count)
{
    QList<quint32> palette;
    for (int i = 0; i < count; ++i) {
        const quint32 v = quint32(i * 255 / std::max(1, count - 1));
        palette.append(v << 16 | (v ^ 0x5A) << 8 | (255 - v));
    }
    return palette;
}

BitmapFileBuilder PaletteBitmap(int bitCount)
{
    BitmapFileBuilder b;
    b.width = 13; // rows need padding at every depth
    b.height = 5;
    b.bitCount = bitCount;
    b.palette = bitCount == 4 ? sixteenColours : Greys(1 << bitCount);
    const int entries = int(b.palette.size());
    b.pixel = [entries](int x, int y) { return quint32((x + 3 * y) % entries); };
    return b;
}

quint32 TrueColour(int x, int y)
{
    return quint32(x * 40) << 16 | quint32(y * 50) << 8 | quint32((x * 7 + y * 11) & 0xFF);
}

void ExpectInvalid(const QByteArray& bytes, const char* what)
{
    try {
        TBitmapFile::ReadFile(bytes);
        ADD_FAILURE() << what << ": read without error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid") << what;
    }
}

void ExpectTooLarge(const QByteArray& bytes, const char* what)
{
    try {
        TBitmapFile::ReadFile(bytes);
        ADD_FAILURE() << what << ": read without error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is too large") << what;
    }
}

QRgb Rgb(quint32 rrggbb)
{
    return qRgb(int(rrggbb >> 16) & 0xFF, int(rrggbb >> 8) & 0xFF, int(rrggbb) & 0xFF);
}

void ExpectPixels(const QImage& image, const BitmapFileBuilder& b)
{
    ASSERT_EQ(image.size(), QSize(b.width, std::abs(b.height)));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const quint32 v = b.pixel(x, y);
            const QRgb expected = b.bitCount <= 8 ? Rgb(b.palette[int(v)]) : Rgb(v);
            ASSERT_EQ(image.pixel(x, y), expected) << "pixel " << x << "," << y;
        }
    }
}

} // namespace

TEST(BitmapFile, ReadsPaletteDepthsWithTheirColours)
{
    const struct {
        int bitCount;
        TPixelFormat format;
        QImage::Format imageFormat;
    } cases[] = {{1, TPixelFormat::pf1bit, QImage::Format_Mono},
                 {4, TPixelFormat::pf4bit, QImage::Format_Indexed8},
                 {8, TPixelFormat::pf8bit, QImage::Format_Indexed8}};
    for (const auto& c : cases) {
        const BitmapFileBuilder b = PaletteBitmap(c.bitCount);
        const TBitmapData data = TBitmapFile::ReadFile(b.Build());
        EXPECT_EQ(data.pixelFormat, c.format) << c.bitCount;
        EXPECT_EQ(data.image.format(), c.imageFormat) << c.bitCount;
        EXPECT_EQ(data.image.colorCount(), 1 << c.bitCount);
        ExpectPixels(data.image, b);
    }
}

TEST(BitmapFile, FourBitPixelsAreHeldOneBytePerPixel)
{
    const BitmapFileBuilder b = PaletteBitmap(4);
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.image.constScanLine(1)[2], uchar((2 + 3) % 16));
}

TEST(BitmapFile, ReadsTrueColourDepths)
{
    BitmapFileBuilder b;
    b.width = 7;
    b.height = 4;
    b.pixel = TrueColour;
    for (int bitCount : {24, 32}) {
        b.bitCount = bitCount;
        const TBitmapData data = TBitmapFile::ReadFile(b.Build());
        EXPECT_EQ(data.pixelFormat, bitCount == 24 ? TPixelFormat::pf24bit : TPixelFormat::pf32bit);
        ExpectPixels(data.image, b);
    }
}

TEST(BitmapFile, TwentyFourBitRowsAreBlueGreenRedInMemory)
{
    BitmapFileBuilder b;
    b.width = 2;
    b.height = 1;
    b.pixel = [](int x, int) { return x == 0 ? 0x112233u : 0x445566u; };
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    const uchar* row = data.image.constScanLine(0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(row), 6),
              QByteArray("\x33\x22\x11\x66\x55\x44", 6));
}

TEST(BitmapFile, ReadsSixteenBitsAsFiveFiveFiveAndThroughMasks)
{
    BitmapFileBuilder b;
    b.width = 3;
    b.height = 2;
    b.bitCount = 16;
    b.pixel = [](int x, int) { return x == 0 ? 0x7C00u : x == 1 ? 0x03E0u : 0x001Fu; };
    TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.pixelFormat, TPixelFormat::pf15bit);
    EXPECT_EQ(data.image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(data.image.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(data.image.pixel(2, 0), qRgb(0, 0, 255));

    b.compression = 3;
    b.masks = {0xF800, 0x07E0, 0x001F};
    b.pixel = [](int x, int) { return x == 0 ? 0xF800u : x == 1 ? 0x07E0u : 0x001Fu; };
    data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.pixelFormat, TPixelFormat::pf16bit);
    EXPECT_EQ(data.image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(data.image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(data.image.pixel(2, 1), qRgb(0, 0, 255));
}

TEST(BitmapFile, ReadsThirtyTwoBitsThroughAnyMasks)
{
    BitmapFileBuilder b;
    b.width = 2;
    b.height = 1;
    b.bitCount = 32;
    b.compression = 3;
    b.masks = {0x000003FF, 0x000FFC00, 0x3FF00000}; // ten bits each, red lowest
    b.pixel = [](int x, int) { return x == 0 ? 0x000003FFu : 0x3FF00000u; };
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(data.image.pixel(1, 0), qRgb(0, 0, 255));
}

TEST(BitmapFile, NegativeHeightMeansTopRowFirst)
{
    BitmapFileBuilder b = PaletteBitmap(8);
    b.height = -5;
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    ExpectPixels(data.image, b);
}

TEST(BitmapFile, ShortPaletteIsPaddedWithBlack)
{
    BitmapFileBuilder b;
    b.width = 4;
    b.height = 1;
    b.bitCount = 8;
    b.colorsUsed = 3;
    b.palette = {0xFF0000, 0x00FF00, 0x0000FF};
    b.pixel = [](int x, int) { return x == 3 ? 200u : quint32(x); };
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.image.colorCount(), 256);
    EXPECT_EQ(data.image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(data.image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(data.image.pixel(3, 0), qRgb(0, 0, 0)) << "an index past the table is black";
}

TEST(BitmapFile, ReadsTheCoreHeaderWithThreeBytePaletteEntries)
{
    BitmapFileBuilder b = PaletteBitmap(4);
    b.headerSize = 12;
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.pixelFormat, TPixelFormat::pf4bit);
    ExpectPixels(data.image, b);
}

TEST(BitmapFile, ReadsLongerInfoHeaders)
{
    BitmapFileBuilder b = PaletteBitmap(8);
    b.headerSize = 124;
    ExpectPixels(TBitmapFile::ReadFile(b.Build()).image, b);
}

TEST(BitmapFile, ReadsADibWithoutFileHeaderAsTheClipboardHoldsIt)
{
    BitmapFileBuilder b = PaletteBitmap(1);
    b.fileHeader = false;
    const TBitmapData data = TBitmapFile::ReadDIB(b.Build());
    EXPECT_EQ(data.pixelFormat, TPixelFormat::pf1bit);
    ExpectPixels(data.image, b);
}

TEST(BitmapFile, PixelOffsetOfTheFileHeaderIsHonoured)
{
    BitmapFileBuilder b;
    b.width = 2;
    b.height = 2;
    b.pixel = TrueColour;
    QByteArray bytes = b.Build();
    bytes.insert(54, QByteArray(10, '\x7F')); // a gap between header and pixels
    bytes[10] = char(64);
    ExpectPixels(TBitmapFile::ReadFile(bytes).image, b);
}

TEST(BitmapFile, ToleratesALastRowWithoutPadding)
{
    BitmapFileBuilder b;
    b.width = 3;
    b.height = 2;
    b.pixel = TrueColour;
    QByteArray bytes = b.Build();
    bytes.chop(3); // a 3-pixel row of 24 bits has 3 bytes of padding
    ExpectPixels(TBitmapFile::ReadFile(bytes).image, b);
}

TEST(BitmapFile, ReadsRunLengthEncodedEightBits)
{
    BitmapFileBuilder b;
    b.width = 6;
    b.height = 3;
    b.bitCount = 8;
    b.compression = 1;
    b.palette = Greys(256);
    // Bottom row: runs of 4 x index 9, 1 x 7 and 1 x 8; end of line.
    // Middle row: move right 2; a literal of 3 pixels 1 2 3 (padded); end of line.
    // Top row: a run of 6 x index 5; end of bitmap.
    b.rawPixels = QByteArray("\x04\x09\x01\x07\x01\x08\x00\x00"
                             "\x00\x02\x02\x00\x00\x03\x01\x02\x03\x00\x00\x00"
                             "\x06\x05\x00\x01",
                             24);
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.pixelFormat, TPixelFormat::pf8bit);
    const QImage& image = data.image;
    EXPECT_EQ(image.pixelIndex(0, 2), 9);
    EXPECT_EQ(image.pixelIndex(3, 2), 9);
    EXPECT_EQ(image.pixelIndex(4, 2), 7);
    EXPECT_EQ(image.pixelIndex(5, 2), 8);
    EXPECT_EQ(image.pixelIndex(0, 1), 0) << "skipped by the move";
    EXPECT_EQ(image.pixelIndex(2, 1), 1);
    EXPECT_EQ(image.pixelIndex(3, 1), 2);
    EXPECT_EQ(image.pixelIndex(4, 1), 3);
    EXPECT_EQ(image.pixelIndex(5, 0), 5);
}

TEST(BitmapFile, ReadsRunLengthEncodedFourBits)
{
    BitmapFileBuilder b;
    b.width = 6;
    b.height = 1;
    b.bitCount = 4;
    b.compression = 2;
    b.palette = sixteenColours;
    // A run of 3 alternating 1 and 2, then a literal of 3 pixels A B C (2 bytes).
    b.rawPixels = QByteArray("\x03\x12\x00\x03\xAB\xC0\x00\x01", 8);
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.pixelFormat, TPixelFormat::pf4bit);
    const int expected[] = {1, 2, 1, 0xA, 0xB, 0xC};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(data.image.pixelIndex(x, 0), expected[x]) << x;
}

TEST(BitmapFile, RunsPastTheEdgeAreClipped)
{
    BitmapFileBuilder b;
    b.width = 2;
    b.height = 1;
    b.bitCount = 8;
    b.compression = 1;
    b.palette = Greys(256);
    b.rawPixels = QByteArray("\xFF\x04\x00\x02\x7F\x7F\x00\x05\x01\x02\x03\x04\x05\x00", 14);
    const TBitmapData data = TBitmapFile::ReadFile(b.Build());
    EXPECT_EQ(data.image.pixelIndex(1, 0), 4);
}

TEST(BitmapFile, EmptyBytesGiveAnEmptyImageAndAnEmptyImageWritesNothing)
{
    EXPECT_TRUE(TBitmapFile::ReadFile(QByteArray()).image.isNull());
    EXPECT_TRUE(TBitmapFile::WriteFile(QImage(), TPixelFormat::pf24bit).isEmpty());
}

TEST(BitmapFile, WritesEveryFormatSoThatItReadsBack)
{
    QImage source(11, 6, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const TPixelFormat formats[] = {
        TPixelFormat::pf1bit,  TPixelFormat::pf4bit,  TPixelFormat::pf8bit, TPixelFormat::pf15bit,
        TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit};
    const int depths[] = {1, 4, 8, 16, 16, 24, 32};
    for (int i = 0; i < 7; ++i) {
        const QByteArray file = TBitmapFile::WriteFile(source, formats[i]);
        ASSERT_GE(file.size(), 54);
        EXPECT_EQ(file.left(2), "BM");
        EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 2), quint32(file.size()));
        EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 28), depths[i]);
        const TBitmapData back = TBitmapFile::ReadFile(file);
        EXPECT_EQ(back.pixelFormat, formats[i]) << depths[i];
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                ASSERT_EQ(back.image.pixel(x, y), source.pixel(x, y)) << depths[i];
    }
}

TEST(BitmapFile, WritesPalettesAndIndicesAsTheyAre)
{
    QImage source(5, 3, QImage::Format_Indexed8);
    source.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(70, 80, 90)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            source.setPixel(x, y, uint((x + y) % 3));
    const TBitmapData back =
        TBitmapFile::ReadFile(TBitmapFile::WriteFile(source, TPixelFormat::pf8bit));
    EXPECT_EQ(back.image.colorTable().mid(0, 3), source.colorTable());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(back.image.pixelIndex(x, y), (x + y) % 3);
}

TEST(BitmapFile, WritesRowsBottomFirstPaddedToFourBytes)
{
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(qRgb(1, 2, 3));
    source.setPixel(0, 1, qRgb(9, 8, 7)); // bottom row, first pixel
    const QByteArray file = TBitmapFile::WriteFile(source, TPixelFormat::pf24bit);
    EXPECT_EQ(file.size(), 54 + 2 * 12);
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 10), 54u);
    EXPECT_EQ(file.mid(54, 3), QByteArray("\x07\x08\x09", 3));
    EXPECT_EQ(file.mid(63, 3), QByteArray(3, '\0')) << "padding";
}

TEST(BitmapFile, ClipboardDibRoundTrips)
{
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(qRgb(200, 100, 50));
    const QByteArray dib = TBitmapFile::WriteDIB(source, TPixelFormat::pf24bit);
    EXPECT_EQ(qFromLittleEndian<quint32>(dib.constData()), 40u);
    EXPECT_EQ(TBitmapFile::ReadDIB(dib).image.pixel(3, 3), qRgb(200, 100, 50));
}

TEST(BitmapFile, EveryTruncationIsDamageNeverACrash)
{
    BitmapFileBuilder b = PaletteBitmap(8);
    b.width = 4; // rows without padding, so that every cut loses needed bytes
    const QByteArray bytes = b.Build();
    for (qsizetype size = 1; size < bytes.size(); ++size)
        ExpectInvalid(bytes.left(size), "truncated file");
}

TEST(BitmapFile, DamagedHeadersAreRefused)
{
    BitmapFileBuilder good = PaletteBitmap(8);
    ASSERT_NO_THROW(TBitmapFile::ReadFile(good.Build()));

    QByteArray bytes = good.Build();
    bytes[0] = 'X';
    ExpectInvalid(bytes, "signature");

    const std::pair<const char*, std::function<void(BitmapFileBuilder&)>> damages[] = {
        {"two planes", [](BitmapFileBuilder& b) { b.planes = 2; }},
        {"seven bits", [](BitmapFileBuilder& b) { b.bitCount = 7; }},
        {"unknown compression", [](BitmapFileBuilder& b) { b.compression = 9; }},
        {"JPEG compression", [](BitmapFileBuilder& b) { b.compression = 4; }},
        {"RLE8 with 4 bits",
         [](BitmapFileBuilder& b) {
             b.bitCount = 4;
             b.compression = 1;
         }},
        {"top-down RLE",
         [](BitmapFileBuilder& b) {
             b.height = -5;
             b.compression = 1;
         }},
        {"bit fields with 8 bits", [](BitmapFileBuilder& b) { b.compression = 3; }},
        {"header size 20", [](BitmapFileBuilder& b) { b.headerSize = 20; }},
        {"1000 colours", [](BitmapFileBuilder& b) { b.colorsUsed = 1000; }},
        {"negative width", [](BitmapFileBuilder& b) { b.width = -13; }},
        {"smallest height",
         [](BitmapFileBuilder& b) {
             b.height = std::numeric_limits<int>::min();
             b.rawPixels = QByteArray(64, '\0');
         }},
    };
    for (const auto& [what, damage] : damages) {
        BitmapFileBuilder b = PaletteBitmap(8);
        damage(b);
        ExpectInvalid(b.Build(), what);
    }
}

TEST(BitmapFile, AbsurdSizesAreRefusedBeforeAnythingIsAllocated)
{
    BitmapFileBuilder b;
    b.bitCount = 24;
    b.pixel = TrueColour;
    b.width = 100000;
    b.height = 1;
    b.rawPixels = QByteArray(16, '\0');
    ExpectTooLarge(b.Build(), "width");
    b.width = 20000;
    b.height = -20000;
    ExpectTooLarge(b.Build(), "pixels");
    // Within the limits but without its pixels: damage, found before allocating.
    b.width = 8000;
    b.height = 8000;
    ExpectInvalid(b.Build(), "missing pixels");
    b.bitCount = 8;
    b.compression = 1;
    b.palette = Greys(256);
    ExpectInvalid(b.Build(), "run-length data far too short");
}
