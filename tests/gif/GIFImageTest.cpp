#include "GifTestSupport.h"
#include "TCanvas.h"
#include "TGIFFrame.h"
#include "TGIFItem.h"

using namespace GifTest;

namespace {
// A 3 x 3 frame and a 2 x 2 frame, the second transparent in colour 1 (lime) and
// offset by (1, 1). Two colours give 1-bit bitmaps, more give 4 bits.
QByteArray TwoFrames(int colors = 2)
{
    QList<QRgb> table{qRgb(255, 0, 0), qRgb(0, 255, 0)};
    while (table.size() < colors)
        table.append(qRgb(0, 0, 0));
    TGIFWriter writer(QSize(3, 3), table);
    writer.AddLoop(0);
    writer.AddImage({QRect(0, 0, 3, 3), std::vector<quint8>(9, 0)});
    writer.AddGraphicControl(10, 2, 1);
    writer.AddImage({QRect(1, 1, 2, 2), {0, 1, 1, 0}});
    writer.AddComment({"end"});
    return writer.Finish();
}
} // namespace

TEST(GIFImage, CopiesShareDataAndCompressedFrames)
{
    const auto source = Load(TwoFrames());
    TGIFImage copy;
    copy.Assign(source.get());
    EXPECT_TRUE(copy.Equals(source.get()));
    EXPECT_EQ(&copy.Data(), &source->Data());
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(&copy.Frames(1)->Item(), &source->Frames(1)->Item());
    EXPECT_EQ(copy.Frames(1)->Origin(), QPoint(1, 1));
    EXPECT_EQ(copy.Frames(1)->DelayMs(), 100);
    EXPECT_EQ(copy.Frames(1)->KeyColor(), TColors::FromRGB(0, 255, 0));
    EXPECT_EQ(copy.LoopCount(), 0);
    EXPECT_TRUE(copy.HasLoopBlock());
    EXPECT_EQ(copy.CommentLines(), QStringList({"end"}));
    EXPECT_TRUE(copy.Frames(0)->IsDecoded());
    EXPECT_EQ(Indices(*copy.Frames(1)->DecodedBitmap()), std::vector<quint8>({0, 1, 1, 0}));

    // The copy outlives the source: the shared data stays alive.
    const auto second = std::make_unique<TGIFImage>();
    second->Assign(&copy);
    copy.Clear();
    EXPECT_TRUE(copy.Empty());
    EXPECT_FALSE(copy.Equals(second.get()));
    EXPECT_EQ(second->Frames(1)->Width(), 2);
}

TEST(GIFImage, LoadingAgainGivesNewData)
{
    auto image = Load(TwoFrames());
    TGIFImage copy;
    copy.Assign(image.get());
    TMemoryStream stream(OneFrame(2, 2, 2));
    image->LoadFromStream(stream);
    EXPECT_FALSE(copy.Equals(image.get()));
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(image->Count(), 1);
}

TEST(GIFImage, AssignSignalsChange)
{
    TGIFImage image;
    int changes = 0;
    image.OnChange = [&](TObject*) { ++changes; };
    image.Assign(Load(TwoFrames()).get());
    EXPECT_EQ(changes, 1);
    image.Assign(nullptr);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(image.Count(), 0);
    EXPECT_EQ(image.LoopCount(), 1);
    EXPECT_EQ(image.BackdropColor(), clNone);
}

TEST(GIFImage, SizeFollowsTheCurrentFrameAndCannotBeSet)
{
    const auto image = Load(TwoFrames());
    EXPECT_EQ(image->Width(), 3);
    image->SetCurrentFrame(1);
    EXPECT_EQ(image->Width(), 2);
    EXPECT_EQ(image->LogicalWidth(), 3);
    image->SetCurrentFrame(5);
    EXPECT_EQ(image->Height(), 0);
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { image->SetWidth(4); }),
              "Cannot change the Size of a GIF image");
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { image->SetHeight(4); }),
              "Cannot change the Size of a GIF image");
}

TEST(GIFImage, TransparentNeedsTheFlagAndAKeyColor)
{
    const auto image = Load(TwoFrames());
    EXPECT_TRUE(image->Transparent());
    image->SetTransparent(false);
    EXPECT_FALSE(image->Transparent());
    EXPECT_FALSE(Load(OneFrame(2, 2, 2))->Transparent());
}

TEST(GIFImage, DrawLeavesOutTheKeyColor)
{
    for (const int colors : {2, 4}) {
        SCOPED_TRACE(colors);
        const auto image = Load(TwoFrames(colors));
        image->SetCurrentFrame(1);
        TBitmap target(4, 4, TPixelFormat::pf32bit);
        target.Canvas()->Brush()->SetColor(clBlue);
        target.Canvas()->FillRect(QRect(0, 0, 4, 4));
        image->Draw(*target.Canvas(), QRect(0, 0, 4, 4));
        EXPECT_EQ(target.Canvas()->Pixels(0, 0), clRed);  // index 0 drawn, stretched 2x
        EXPECT_EQ(target.Canvas()->Pixels(3, 0), clBlue); // index 1 left out
        EXPECT_EQ(target.Canvas()->Pixels(0, 3), clBlue);

        image->SetTransparent(false);
        image->Draw(*target.Canvas(), QRect(0, 0, 4, 4));
        EXPECT_EQ(target.Canvas()->Pixels(3, 0), clLime);
    }
}
