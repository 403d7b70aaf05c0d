#include "GifTestSupport.h"
#include "TGIFData.h"
#include "TGIFFrame.h"

#include <QDir>
#include <QFile>

using namespace GifTest;

namespace {
QByteArray WaitResource()
{
    QFile file(
        QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/rcdata/Wait.gif"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The wait form's animation: 60 x 60, 25 frames of 5 hundredths, looping forever,
// 64 colours with entry 0 transparent, each frame restoring the background.
TEST(WaitAnimation, ResourceHasTheAgreedShape)
{
    const QByteArray bytes = WaitResource();
    ASSERT_FALSE(bytes.isEmpty());
    const auto image = Load(bytes);
    EXPECT_EQ(image->FormatVersion(), TGIFImage::TFormatVersion::gv89a);
    EXPECT_EQ(image->LogicalWidth(), 60);
    EXPECT_EQ(image->LogicalHeight(), 60);
    EXPECT_EQ(image->Data().ColorTable.EntryCount, 64);
    EXPECT_TRUE(image->HasLoopBlock());
    EXPECT_EQ(image->LoopCount(), 0);
    ASSERT_EQ(image->Count(), 25);
    for (int index = 0; index < image->Count(); ++index) {
        const TGIFFrame& frame = *image->Frames(index);
        EXPECT_EQ(frame.DelayMs(), 50);
        EXPECT_EQ(frame.DisposalCode(), 2);
        EXPECT_EQ(frame.KeyColor(), image->Data().ColorTable.Color(0));
        EXPECT_EQ(frame.Width(), 60);
        EXPECT_FALSE(frame.Damaged());
    }
    // The ring turns: consecutive frames differ, and something is drawn.
    const std::vector<quint8> first = Indices(*image->Frames(0)->DecodedBitmap());
    EXPECT_NE(first, Indices(*image->Frames(1)->DecodedBitmap()));
    EXPECT_TRUE(std::any_of(first.begin(), first.end(), [](quint8 index) { return index > 0; }));
}
