#include "GifTestSupport.h"
#include "TGIFFrame.h"

using namespace GifTest;

namespace {
// Turns strict decoding on for one test.
class StrictDecoding {
public:
    StrictDecoding() { TGIFImage::SetTolerantDecoding(false); }
    ~StrictDecoding() { TGIFImage::SetTolerantDecoding(true); }
};

QByteArray WithCodes(QSize size, int colors, const QByteArray& codes, int minimumCodeSize)
{
    TGIFWriter writer(size, Grays(colors));
    TGIFWriterImage picture = Picture(size.width(), size.height(), colors);
    picture.Codes = codes;
    picture.MinimumCodeSize = minimumCodeSize;
    writer.AddImage(picture);
    return writer.Finish();
}

// Clear, 0, then a code beyond the table and codes that make entry 7 its own prefix:
// expanding 7 then never ends.
QByteArray SelfReferencingCodes()
{
    return TGIFWriter::PackCodes({{4, 3}, {0, 3}, {7, 3}, {6, 3}, {7, 4}, {5, 4}});
}

// Bytes of a one-frame 4 x 4 file of 4 colours whose data is cut: the first sub-block
// holds the given codes, a second one claims 200 bytes and only 3 follow.
QByteArray CutAfterFirstBlock(const QByteArray& codes)
{
    TGIFWriter writer(QSize(4, 4), Grays(4));
    writer.AddBytes(QByteArray("\x2C\0\0\0\0\x04\0\x04\0\0\x02", 11));
    writer.AddBytes(char(codes.size()) + codes + "\xC8" + "abc");
    return writer.Bytes();
}
} // namespace

TEST(GIFDecode, ColorCountChoosesTheBitmapDepth)
{
    const struct {
        int Colors;
        TPixelFormat Format;
    } cases[] = {{2, TPixelFormat::pf1bit},  {3, TPixelFormat::pf4bit},
                 {16, TPixelFormat::pf4bit}, {17, TPixelFormat::pf8bit},
                 {32, TPixelFormat::pf8bit}, {256, TPixelFormat::pf8bit}};
    for (const auto& test : cases) {
        const auto image = Load(OneFrame(19, 3, test.Colors));
        const TBitmap& bitmap = *image->Frames(0)->DecodedBitmap();
        EXPECT_EQ(bitmap.PixelFormat(), test.Format) << test.Colors;
        EXPECT_EQ(Indices(bitmap), Ramp(19, 3, test.Colors)) << test.Colors;
    }
}

TEST(GIFDecode, PaletteEntriesPastTheTableAreGrey)
{
    const auto image = Load(OneFrame(4, 4, 8)); // 8 colours in a 4-bit bitmap
    const QList<QRgb> palette = image->Palette();
    ASSERT_EQ(palette.size(), 16);
    EXPECT_EQ(palette[7], Grays(8)[7]);
    EXPECT_EQ(qRed(palette[8]), 128);
    EXPECT_EQ(qGreen(palette[15]), 128);
    EXPECT_EQ(qBlue(palette[11]), 128);
}

TEST(GIFDecode, InterlacedRowsLandInPassOrder)
{
    TGIFWriter writer(QSize(2, 3), Grays(4));
    TGIFWriterImage picture{QRect(0, 0, 2, 3), {}, {}, true, 2};
    // Stored order for height 3: row 0 (pass 1), row 2 (pass 3), row 1 (pass 4).
    picture.Codes = LiteralCodes({1, 1, 3, 3, 2, 2}, 2, true);
    writer.AddImage(picture);
    const auto image = Load(writer.Finish());
    EXPECT_EQ(Indices(*image->Frames(0)->DecodedBitmap()), std::vector<quint8>({1, 1, 2, 2, 3, 3}));
}

TEST(GIFDecode, LastRowCompleteNeedsNoEndCode)
{
    const auto image = Load(WithCodes(QSize(3, 2), 4, LiteralCodes(Ramp(3, 2, 4), 2, false), 2));
    EXPECT_EQ(Indices(*image->Frames(0)->DecodedBitmap()), Ramp(3, 2, 4));
    EXPECT_FALSE(image->Frames(0)->Damaged());
}

TEST(GIFDecode, DataEndingBeforeTheLastRowFailsAndRemovesFrameZero)
{
    TGIFWriter writer(QSize(3, 2), Grays(4));
    TGIFWriterImage shortFrame{QRect(0, 0, 3, 2), {}, {}, false, 2};
    shortFrame.Codes = LiteralCodes({1, 2, 3, 0}, 2, false);
    writer.AddImage(shortFrame);
    writer.AddImage(Picture(3, 2, 4));
    TGIFImage image;
    TMemoryStream stream(writer.Finish());
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { image.LoadFromStream(stream); }),
              "Stream read error");
    EXPECT_EQ(image.Count(), 1);
    EXPECT_EQ(Indices(*image.Frames(0)->DecodedBitmap()), Ramp(3, 2, 4));
}

TEST(GIFDecode, CutSubBlockMarksFrameDamaged)
{
    // The first block completes all 16 pixels: the frame decodes despite the cut.
    const auto complete = Load(CutAfterFirstBlock(LiteralCodes(Ramp(4, 4, 4), 2, false)));
    ASSERT_EQ(complete->Count(), 1);
    EXPECT_TRUE(complete->Frames(0)->Damaged());
    EXPECT_EQ(Indices(*complete->Frames(0)->DecodedBitmap()), Ramp(4, 4, 4));

    // Only half the pixels before the cut: loading (which decodes frame 0) fails.
    std::vector<quint8> half = Ramp(4, 2, 4);
    TGIFImage image;
    TMemoryStream stream(CutAfterFirstBlock(LiteralCodes(half, 2, false)));
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { image.LoadFromStream(stream); }),
              "Stream read error");
    EXPECT_EQ(image.Count(), 0);
    EXPECT_TRUE(image.Empty());
}

TEST(GIFDecode, StrictModeRefusesCutSubBlocks)
{
    StrictDecoding strict;
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>(
                  [&] { Load(CutAfterFirstBlock(LiteralCodes(Ramp(4, 4, 4), 2, false))); }),
              "Stream read error");
}

TEST(GIFDecode, CodeSizeOutOfRange)
{
    const QByteArray file = WithCodes(QSize(4, 1), 4, LiteralCodes({1, 2, 3, 1}, 2, true), 1);
    {
        StrictDecoding strict;
        EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { Load(file); }),
                  "GIF code size not in range 2 to 9");
    }
    // Tolerant: clamped to 2; decoding ends at the first code that is not a clear code.
    const auto image = Load(file);
    EXPECT_TRUE(image->Frames(0)->Damaged());
    EXPECT_EQ(Indices(*image->Frames(0)->DecodedBitmap()), std::vector<quint8>({1, 0, 0, 0}));
}

TEST(GIFDecode, RunawayCodeChain)
{
    const QByteArray file = WithCodes(QSize(10, 10), 4, SelfReferencingCodes(), 2);
    {
        StrictDecoding strict;
        EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { Load(file); }),
                  "GIF encoded data is corrupt");
    }
    // Tolerant: the pixels before the bad code remain.
    const auto image = Load(file);
    EXPECT_TRUE(image->Frames(0)->Damaged());
    const std::vector<quint8> indices = Indices(*image->Frames(0)->DecodedBitmap());
    EXPECT_EQ(std::vector<quint8>(indices.begin(), indices.begin() + 5),
              std::vector<quint8>({0, 0, 0, 0, 0}));
}

TEST(GIFDecode, HugeFramesAreRefusedBeforeDecoding)
{
    TGIFWriter writer(QSize(2, 2), Grays(2));
    TGIFWriterImage huge = Picture(2, 2, 2);
    huge.Rect = QRect(0, 0, 65535, 65535);
    writer.AddImage(huge);
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { Load(writer.Finish()); }),
              "GIF frame too large: 65535 x 65535");
}

TEST(GIFDecode, ProgressIsReportedFromStartToEnd)
{
    TGIFImage image;
    std::vector<std::pair<TProgressStage, int>> reports;
    QString endMessage = "unset";
    image.OnProgress = [&](TObject*, TProgressStage stage, int percent, bool, const QRect&,
                           const QString& message) {
        reports.emplace_back(stage, percent);
        if (stage == TProgressStage::psEnding)
            endMessage = message;
    };
    TMemoryStream stream(OneFrame(64, 64, 256));
    image.LoadFromStream(stream);
    ASSERT_GE(reports.size(), 3u);
    EXPECT_EQ(reports.front(), std::make_pair(TProgressStage::psStarting, 0));
    EXPECT_EQ(reports.back(), std::make_pair(TProgressStage::psEnding, 100));
    EXPECT_EQ(reports[1].first, TProgressStage::psRunning);
    EXPECT_TRUE(endMessage.isEmpty());

    const QByteArray file = OneFrame(64, 64, 256);
    TMemoryStream broken(file.left(file.size() - 200));
    EXPECT_THROW(image.LoadFromStream(broken), EInvalidGraphicOperation);
    EXPECT_EQ(endMessage, "Stream read error");
}

TEST(GIFDecode, ACodeSizeBelowTheTableDepthDecodesItsPixels)
{
    // A 256-colour table but only 4 colours used, compressed with the smallest code size.
    TGIFWriter writer(QSize(6, 5), Grays(256));
    TGIFWriterImage picture = Picture(6, 5, 256);
    picture.Indices = Ramp(6, 5, 4);
    picture.MinimumCodeSize = 2;
    writer.AddImage(picture);
    const auto image = Load(writer.Finish());
    EXPECT_EQ(Indices(*image->Frames(0)->DecodedBitmap()), Ramp(6, 5, 4));
}
