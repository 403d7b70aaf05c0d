#include "GifTestSupport.h"
#include "TGIFCorpus.h"
#include "TGIFFrame.h"
#include "TGiflibFile.h"

using namespace GifTest;

namespace {
void ExpectSameFrame(const TGiflibFile& reference, int index, const TGIFFrame& frame)
{
    const SavedImage& saved = reference->SavedImages[index];
    const GifImageDesc& descriptor = saved.ImageDesc;
    EXPECT_EQ(frame.Origin(), QPoint(descriptor.Left, descriptor.Top));
    EXPECT_EQ(frame.IsInterlaced(), descriptor.Interlace);
    EXPECT_EQ(frame.HasLocalTable(), descriptor.ColorMap != nullptr);
    const std::vector<quint8> expected(saved.RasterBits,
                                       saved.RasterBits + descriptor.Width * descriptor.Height);
    EXPECT_EQ(Indices(*frame.DecodedBitmap()), expected);

    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(reference.Get(), index, &control) == GIF_OK) {
        EXPECT_EQ(frame.DelayMs(), control.DelayTime * 10);
        EXPECT_EQ(frame.DisposalCode(), control.DisposalMode);
        EXPECT_EQ(frame.KeyColor() != clNone, control.TransparentColor != NO_TRANSPARENT_COLOR);
    }
}
} // namespace

// Every frame of every corpus file decodes to the same colour indices as giflib's.
TEST(GIFConformance, EveryFrameMatchesGiflib)
{
    const std::vector<TGIFCorpusFile> corpus = TGIFCorpus::Files();
    ASSERT_GE(corpus.size(), 20u);
    for (const TGIFCorpusFile& file : corpus) {
        SCOPED_TRACE(file.Name.toStdString());
        const TGiflibFile reference(file.Bytes);
        ASSERT_TRUE(reference);
        const auto image = Load(file.Bytes);
        ASSERT_EQ(image->Count(), reference->ImageCount);
        EXPECT_EQ(image->LogicalWidth(), reference->SWidth);
        EXPECT_EQ(image->LogicalHeight(), reference->SHeight);
        for (int index = 0; index < image->Count(); ++index) {
            EXPECT_FALSE(image->Frames(index)->Damaged());
            ExpectSameFrame(reference, index, *image->Frames(index));
        }
    }
}
