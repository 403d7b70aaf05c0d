#include "GifTestSupport.h"
#include "TGIFData.h"
#include "TGIFFrame.h"
#include "TGIFItem.h"

using namespace GifTest;

namespace {
QByteArray WithSignature(const QByteArray& signature)
{
    TGIFWriter writer(QSize(2, 2), Grays(2), signature);
    writer.AddImage(Picture(2, 2, 2));
    return writer.Finish();
}

QByteArray WithLoop(quint16 count)
{
    TGIFWriter writer(QSize(2, 2), Grays(2));
    writer.AddLoop(count);
    writer.AddImage(Picture(2, 2, 2));
    return writer.Finish();
}
} // namespace

TEST(GIFLoad, SignatureAndVersionIgnoreLetterCase)
{
    EXPECT_EQ(Load(WithSignature("gif89a"))->FormatVersion(), TGIFImage::TFormatVersion::gv89a);
    EXPECT_EQ(Load(WithSignature("GIF87A"))->FormatVersion(), TGIFImage::TFormatVersion::gv87a);
    for (const QByteArray signature : {"GIF88a", "JIF89a", "GIF"})
        EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { Load(WithSignature(signature)); }),
                  "Unknown GIF version")
            << signature.constData();
}

TEST(GIFLoad, ScreenDescriptorAndBackdrop)
{
    TGIFWriter writer(QSize(7, 5), Grays(4), "GIF89a", 2);
    writer.AddImage(Picture(7, 5, 4));
    const auto image = Load(writer.Finish());
    EXPECT_EQ(image->LogicalWidth(), 7);
    EXPECT_EQ(image->LogicalHeight(), 5);
    EXPECT_EQ(image->Data().ColorBits, 2);
    EXPECT_EQ(image->Data().ColorTable.EntryCount, 4);
    EXPECT_EQ(image->BackdropColor(), TColors::FromRGB(qRed(Grays(4)[2]), 2, 253));
    EXPECT_EQ(image->CurrentFrame(), 0);
    EXPECT_FALSE(image->HasLoopBlock());
    EXPECT_EQ(image->LoopCount(), 1);
}

TEST(GIFLoad, LoopExtensionCountIsCappedAt30000)
{
    const auto endless = Load(WithLoop(0));
    EXPECT_TRUE(endless->HasLoopBlock());
    EXPECT_EQ(endless->LoopCount(), 0);
    EXPECT_EQ(Load(WithLoop(40000))->LoopCount(), 30000);
    EXPECT_EQ(Load(WithLoop(7))->LoopCount(), 7);
}

TEST(GIFLoad, OtherApplicationExtensionsAreNotLoops)
{
    TGIFWriter writer(QSize(2, 2), Grays(2));
    writer.AddBytes(QByteArray("\x21\xFF\x0BXMP DataXMP\x03\x01\x05\x00\x00", 19));
    writer.AddImage(Picture(2, 2, 2));
    const auto image = Load(writer.Finish());
    EXPECT_FALSE(image->HasLoopBlock());
    EXPECT_EQ(image->Count(), 1);
}

TEST(GIFLoad, GraphicControlsBeforeOneFrameKeepLongestDelayAndLastSettings)
{
    TGIFWriter writer(QSize(2, 2), Grays(4));
    writer.AddGraphicControl(5, 1, 3);
    writer.AddGraphicControl(2, 2, 1);
    writer.AddImage(Picture(2, 2, 4));
    writer.AddGraphicControl(7, 3, 9); // index beyond the table
    writer.AddImage(Picture(2, 2, 4));
    const auto image = Load(writer.Finish());
    ASSERT_EQ(image->Count(), 2);
    const TGIFFrame* first = image->Frames(0);
    EXPECT_EQ(first->DelayMs(), 50);
    EXPECT_EQ(first->DisposalCode(), 2);
    EXPECT_EQ(first->KeyColor(), image->Data().ColorTable.Color(1));
    const TGIFFrame* second = image->Frames(1);
    EXPECT_EQ(second->DelayMs(), 70);
    EXPECT_EQ(second->DisposalCode(), 3);
    EXPECT_EQ(second->KeyColor(), clNone);
    EXPECT_TRUE(image->Transparent());
}

TEST(GIFLoad, ZeroSizeFrameTakesTheLogicalScreen)
{
    TGIFWriter writer(QSize(5, 3), Grays(4));
    TGIFWriterImage picture = Picture(5, 3, 4);
    picture.Rect = QRect(0, 0, 0, 0);
    picture.MinimumCodeSize = 2;
    picture.Codes = LiteralCodes(Ramp(5, 3, 4), 2, true);
    writer.AddImage(picture);
    const auto image = Load(writer.Finish());
    EXPECT_EQ(image->Frames(0)->Item().FrameSize, QSize(5, 3));
    EXPECT_EQ(image->Width(), 5);
    EXPECT_EQ(image->Height(), 3);
    EXPECT_EQ(Indices(*image->Frames(0)->DecodedBitmap()), Ramp(5, 3, 4));
}

TEST(GIFLoad, LocalTableReplacesTheGlobalOne)
{
    TGIFWriter writer(QSize(3, 3), Grays(2));
    TGIFWriterImage picture = Picture(3, 3, 8);
    picture.LocalTable = {qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9), qRgb(10, 11, 12),
                          qRgb(13, 14, 15)};
    writer.AddImage(picture);
    const auto image = Load(writer.Finish());
    const TGIFFrame* frame = image->Frames(0);
    EXPECT_TRUE(frame->HasLocalTable());
    EXPECT_EQ(frame->Item().ColorBits, 3);
    EXPECT_EQ(frame->Item().ColorTable.EntryCount, 8);
    EXPECT_EQ(frame->DecodedBitmap()->Palette().at(4), qRgb(13, 14, 15));
}

TEST(GIFLoad, CommentAfterLastFrameBelongsToTheImage)
{
    TGIFWriter writer(QSize(2, 2), Grays(2));
    writer.AddComment({"before", "frame"});
    writer.AddImage(Picture(2, 2, 2));
    writer.AddComment({"first"});
    writer.AddComment({"second"});
    const auto image = Load(writer.Finish());
    EXPECT_EQ(image->Frames(0)->Comment(), QList<QByteArray>({"before", "frame"}));
    EXPECT_EQ(image->CommentLines(), QStringList({"first", "\r\n\r\n", "second"}));
}

TEST(GIFLoad, PlainTextExtensionDiscardsTheRunBeforeIt)
{
    TGIFWriter writer(QSize(2, 2), Grays(2));
    writer.AddGraphicControl(9, 2, 1);
    writer.AddBytes(QByteArray("\x21\x01\x0C", 3) + QByteArray(12, '\0') +
                    QByteArray("\x02hi\x00", 4));
    writer.AddImage(Picture(2, 2, 2));
    const auto image = Load(writer.Finish());
    EXPECT_TRUE(image->Frames(0)->ExtensionList().empty());
    EXPECT_EQ(image->Frames(0)->DelayMs(), 0);
}

TEST(GIFLoad, BytesAfterTheTrailerOrLastFrameAreIgnored)
{
    const QByteArray file = OneFrame(3, 2, 4);
    EXPECT_EQ(Load(file + "garbage!,")->Count(), 1);
    QByteArray withoutTrailer = file.chopped(1);
    EXPECT_EQ(Load(withoutTrailer + QByteArray(3, '\0') + "xyz")->Count(), 1);
    EXPECT_EQ(Load(withoutTrailer)->Count(), 1);
}

TEST(GIFLoad, EmptyStreamGivesAnEmptyImage)
{
    const auto image = Load(QByteArray());
    EXPECT_TRUE(image->Empty());
    EXPECT_EQ(image->CurrentFrame(), -1);
    EXPECT_EQ(image->Width(), 0);
    EXPECT_EQ(image->LogicalWidth(), 0);
}

TEST(GIFLoad, MalformedFilesRaiseTheirErrors)
{
    QByteArray unknownLabel = OneFrame(2, 2, 2);
    unknownLabel.insert(unknownLabel.size() - 1, QByteArray("\x21\xAB", 2));
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { Load(unknownLabel); }),
              "Unrecognized extension block: ab");

    TGIFWriter strayByte(QSize(2, 2), Grays(2));
    strayByte.AddBytes("x");
    strayByte.AddImage(Picture(2, 2, 2));
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { Load(strayByte.Finish()); }),
              "Stream read error");

    TGIFWriter noTable(QSize(2, 2), {});
    noTable.AddImage(Picture(2, 2, 2));
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { Load(noTable.Finish()); }),
              "Wrong number of colors; must be a power of 2");

    const QByteArray cutInDescriptor = OneFrame(2, 2, 2).left(13 + 6 + 5);
    EXPECT_EQ(ErrorOf<EReadError>([&] { Load(cutInDescriptor); }), "Stream read error");
}

TEST(GIFLoad, ClipboardDataIsLoadedWithoutDecoding)
{
    const QByteArray file = OneFrame(4, 4, 16);
    QByteArray data(4, '\0');
    qToLittleEndian<quint32>(quint32(file.size()), data.data());
    TGIFImage image;
    image.LoadFromClipboardFormat("GIF Image", data + file);
    ASSERT_EQ(image.Count(), 1);
    EXPECT_FALSE(image.Frames(0)->IsDecoded());
    EXPECT_EQ(image.Width(), 4);
    EXPECT_TRUE(image.Frames(0)->IsDecoded());

    qToLittleEndian<quint32>(quint32(file.size() + 1), data.data());
    EXPECT_EQ(ErrorOf<EReadError>([&] { image.LoadFromClipboardFormat("GIF Image", data + file); }),
              "Stream read error");
}
