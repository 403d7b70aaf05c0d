#include "GifTestSupport.h"
#include "TGIFCorpus.h"
#include "TGIFFrame.h"

#include <cstring>
#include <gif_lib.h>

using namespace GifTest;

namespace {
struct MemoryInput {
    const QByteArray* Bytes;
    qsizetype Position = 0;
};

int ReadMemory(GifFileType* file, GifByteType* buffer, int count) {
    auto* input = static_cast<MemoryInput*>(file->UserData);
    const int n = int(std::min<qsizetype>(count, input->Bytes->size() - input->Position));
    std::memcpy(buffer, input->Bytes->constData() + input->Position, size_t(n));
    input->Position += n;
    return n;
}

// giflib's decoding of a whole file, closed when it goes out of scope.
class GiflibFile {
public:
    explicit GiflibFile(const QByteArray& bytes)
        : m_input{&bytes} {
        int error = 0;
        m_file = DGifOpen(&m_input, ReadMemory, &error);
        if (m_file && DGifSlurp(m_file) != GIF_OK)
            Close();
    }
    ~GiflibFile() { Close(); }
    GiflibFile(const GiflibFile&) = delete;
    GiflibFile& operator=(const GiflibFile&) = delete;

    GifFileType* Get() const { return m_file; }
    const GifFileType* operator->() const { return m_file; }
    explicit operator bool() const { return m_file != nullptr; }

private:
    void Close() {
        int error = 0;
        if (m_file)
            DGifCloseFile(m_file, &error);
        m_file = nullptr;
    }

    MemoryInput m_input;
    GifFileType* m_file = nullptr;
};

void ExpectSameFrame(const GiflibFile& reference, int index, const TGIFFrame& frame) {
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
TEST(GIFConformance, EveryFrameMatchesGiflib) {
    const std::vector<TGIFCorpusFile> corpus = TGIFCorpus::Files();
    ASSERT_GE(corpus.size(), 20u);
    for (const TGIFCorpusFile& file : corpus) {
        SCOPED_TRACE(file.Name.toStdString());
        const GiflibFile reference(file.Bytes);
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
