#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFileStream.h"
#include "TJPEGImage.h"
#include "TPicture.h"
#include "TResourceStream.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The test program carries its own raw-data resources under :/rcdata:
// GraphicsTestGlyph.bmp (4 x 2, top row red, green, blue, white), GraphicsTestTop.jpg
// (16 x 8) and GraphicsTestRaw (the glyph's bytes without an extension).

TEST(ResourceStream, FindsResourcesByNameWhateverTheLetterCase)
{
    for (const char* name : {"GraphicsTestGlyph", "graphicstestglyph", "GRAPHICSTESTGLYPH"}) {
        TResourceStream stream(name);
        EXPECT_EQ(stream.Path(), ":/rcdata/GraphicsTestGlyph.bmp");
        EXPECT_EQ(stream.Extension(), "bmp");
        EXPECT_EQ(stream.Size(), 78);
    }
}

TEST(ResourceStream, MissingResourceNamesItself)
{
    try {
        TResourceStream stream("NoSuchPicture");
        FAIL() << "found";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NoSuchPicture not found");
    }
    EXPECT_TRUE(TResourceStream::FindResource("GraphicsTest").isEmpty()) << "names match whole";
}

TEST(ResourceStream, ReadsAndSeeksButDoesNotWrite)
{
    TResourceStream stream("GraphicsTestGlyph");
    char signature[2] = {};
    stream.ReadBuffer(signature, 2);
    EXPECT_EQ(QByteArray(signature, 2), "BM");
    EXPECT_EQ(stream.Position(), 2);
    stream.Seek(-2, TSeekOrigin::soEnd);
    EXPECT_EQ(stream.Remaining(), 2);
    EXPECT_THROW(stream.ReadBuffer(signature, 3), EReadError);
    EXPECT_THROW(stream.WriteBuffer(signature, 1), EWriteError);
}

TEST(ResourceStream, GraphicsLoadFromResourcesAndRememberTheName)
{
    TBitmap glyph;
    glyph.LoadFromResourceName("graphicstestglyph");
    EXPECT_EQ(glyph.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(glyph.Canvas()->Pixels(2, 0), clBlue);
    EXPECT_EQ(glyph.ResourceName(), "graphicstestglyph");
    glyph.SetSize(1, 1);
    EXPECT_TRUE(glyph.ResourceName().isEmpty()) << "changed since";
    glyph.LoadFromResourceName(QString());
    EXPECT_TRUE(glyph.Empty());
}

TEST(ResourceStream, PictureChoosesTheKindByTheResourceExtension)
{
    TPicture picture;
    picture.LoadFromResourceName("GraphicsTestTop");
    EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.ResourceName(), "GraphicsTestTop");

    picture.LoadFromResourceName("GraphicsTestRaw");
    EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr) << "by the first bytes";
    EXPECT_EQ(picture.Width(), 4);

    EXPECT_THROW(picture.LoadFromResourceName("NoSuchPicture"), EResNotFound);
    EXPECT_EQ(picture.ResourceName(), "GraphicsTestRaw") << "a failed load changes nothing";

    picture.Bitmap()->Canvas()->FillRect(Rect(0, 0, 1, 1));
    EXPECT_TRUE(picture.ResourceName().isEmpty());
    picture.LoadFromResourceName("GraphicsTestGlyph");
    picture.LoadFromResourceName(QString());
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_TRUE(picture.ResourceName().isEmpty());
}

TEST(FileStream, CreatesWritesAndReadsFiles)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("data.bin");
    {
        TFileStream out(name, TFileMode::fmCreate);
        out.WriteBuffer("abcdef", 6);
        EXPECT_EQ(out.Size(), 6);
    }
    TFileStream in(name, TFileMode::fmOpenRead);
    EXPECT_EQ(in.FileName(), name);
    in.Seek(2, TSeekOrigin::soBeginning);
    char buffer[4] = {};
    in.ReadBuffer(buffer, 4);
    EXPECT_EQ(QByteArray(buffer, 4), "cdef");
    EXPECT_EQ(in.Write("x", 1), 0) << "opened for reading";
}

TEST(FileStream, OpenErrorsNameTheFileAndTheReason)
{
    try {
        TFileStream stream("/nonexistent-folder/file.bmp", TFileMode::fmOpenRead);
        FAIL() << "opened";
    } catch (const EFOpenError& e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot open file \"/nonexistent-folder/file.bmp\". "));
        EXPECT_GT(e.Message().size(),
                  QString("Cannot open file \"/nonexistent-folder/file.bmp\". ").size());
    }
    EXPECT_THROW(TFileStream("/nonexistent-folder/new.bmp", TFileMode::fmCreate), EFCreateError);
}
