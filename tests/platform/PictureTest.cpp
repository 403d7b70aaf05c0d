#include "Exception.h"
#include "IStreamPersist.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPicture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A graphic kind of its own, registered by the tests as other layers register theirs.
class TSolidGraphic : public TGraphic {
public:
    int Width() const override { return m_size; }
    int Height() const override { return m_size; }
    void SetWidth(int width) override
    {
        m_size = width;
        Changed();
    }
    void SetHeight(int height) override { SetWidth(height); }
    bool Empty() const override { return m_size == 0; }
    void Draw(TCanvas& canvas, const QRect& rect) override
    {
        canvas.Brush()->SetColor(clPurple);
        canvas.FillRect(rect);
    }
    void LoadFromStream(TStream& stream) override
    {
        char size = 0;
        stream.ReadBuffer(&size, 1);
        SetWidth(size);
    }
    void SaveToStream(TStream& stream) const override
    {
        const char size = char(m_size);
        stream.WriteBuffer(&size, 1);
    }
    void Assign(const TPersistent* source) override
    {
        if (const auto* solid = dynamic_cast<const TSolidGraphic*>(source))
            SetWidth(solid->m_size);
        else
            TGraphic::Assign(source);
    }

private:
    int m_size = 0;
};

class Picture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TPicture::RegisterFileFormat(".SLD", "Solid squares",
                                     [] { return std::make_unique<TSolidGraphic>(); });
    }
    void TearDown() override { TPicture::UnregisterFileFormat("sld"); }
};

QByteArray BitmapBytes(int width, int height)
{
    TBitmap bitmap(width, height, TPixelFormat::pf24bit);
    TMemoryStream out;
    bitmap.SaveToStream(out);
    return out.Bytes();
}

} // namespace

TEST_F(Picture, KnowsBitmapsAndJpegsFromTheStartAndRegisteredKinds)
{
    EXPECT_TRUE(TPicture::FileFormat("bmp"));
    EXPECT_TRUE(TPicture::FileFormat("JPG"));
    EXPECT_TRUE(TPicture::FileFormat(".jpeg"));
    EXPECT_FALSE(TPicture::FileFormat("xyz"));
    bool found = false;
    for (const TPictureFormat& format : TPicture::FileFormats())
        found |= format.extension == "sld" && format.description == "Solid squares";
    EXPECT_TRUE(found);
    TPicture::UnregisterFileFormat("SLD");
    EXPECT_FALSE(TPicture::FileFormat("sld"));
}

TEST_F(Picture, SetGraphicHoldsACopy)
{
    TBitmap bitmap(4, 2);
    TPicture picture;
    picture.SetGraphic(&bitmap);
    ASSERT_NE(picture.Graphic(), &bitmap);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 2);
    bitmap.SetSize(8, 8);
    EXPECT_EQ(picture.Width(), 4);
}

TEST_F(Picture, AssignCopiesTheGraphicOfAnyKind)
{
    TPicture original;
    TSolidGraphic solid;
    solid.SetWidth(7);
    original.Assign(&solid);
    TPicture copy;
    copy.Assign(&original);
    ASSERT_NE(dynamic_cast<TSolidGraphic*>(copy.Graphic()), nullptr)
        << "copied by its registered kind";
    EXPECT_NE(copy.Graphic(), original.Graphic());
    EXPECT_EQ(copy.Width(), 7);
    original.Graphic()->SetWidth(3);
    EXPECT_EQ(copy.Width(), 7);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
    EXPECT_EQ(copy.Width(), 0);
}

TEST_F(Picture, AGraphicTakesThePicturesGraphic)
{
    TPicture picture;
    picture.Bitmap()->SetSize(5, 6);
    TBitmap bitmap;
    bitmap.Assign(&picture);
    EXPECT_EQ(bitmap.Width(), 5);
}

TEST_F(Picture, BitmapReplacesAnyOtherGraphicWithAnEmptyBitmap)
{
    TPicture picture;
    TSolidGraphic solid;
    solid.SetWidth(7);
    picture.Assign(&solid);
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(picture.Graphic(), bitmap);
    EXPECT_EQ(picture.Bitmap(), bitmap) << "a bitmap stays";
}

TEST_F(Picture, ChangesOfTheGraphicAndOfItsContentAreAnnounced)
{
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &picture);
        ++changes;
    };
    picture.Bitmap()->SetSize(2, 2);
    EXPECT_EQ(changes, 2) << "the new bitmap, then its size";
    picture.Bitmap()->Canvas()->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(changes, 3);
    picture.Assign(nullptr);
    picture.Assign(nullptr);
    EXPECT_EQ(changes, 5) << "clearing always tells, also when nothing was there";
}

TEST_F(Picture, FilesLoadByExtensionAndSaveInTheirOwnFormat)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath("picture.jpg"); // bitmap data under a JPEG name
    TPicture picture;
    picture.Bitmap()->SetSize(3, 2);
    picture.SaveToFile(bmp);
    TPicture loaded;
    EXPECT_THROW(loaded.LoadFromFile(bmp), EJPEG) << "the extension decides";
    EXPECT_EQ(loaded.Graphic(), nullptr) << "a failed load keeps what was there";
    const QString renamed = dir.filePath("picture.BMP");
    QFile::rename(bmp, renamed);
    loaded.LoadFromFile(renamed);
    EXPECT_NE(dynamic_cast<TBitmap*>(loaded.Graphic()), nullptr);
    EXPECT_EQ(loaded.Width(), 3);
}

TEST_F(Picture, UnknownExtensionsAndMissingFilesAreErrors)
{
    TPicture picture;
    try {
        picture.LoadFromFile("/nowhere/picture.xyz");
        FAIL() << "loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
    }
    try {
        picture.LoadFromFile("/nowhere/picture.bmp");
        FAIL() << "loaded";
    } catch (const EFOpenError& e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot open file \"/nowhere/picture.bmp\". "))
            << e.Message().toStdString();
    }
}

TEST_F(Picture, StreamsLoadByTheirFirstBytes)
{
    TPicture picture;
    TMemoryStream bmp(BitmapBytes(6, 1));
    picture.LoadFromStream(bmp);
    EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 6);

    TJPEGImage jpeg;
    jpeg.Assign(picture.Graphic());
    TMemoryStream jpegBytes;
    jpeg.SaveToStream(jpegBytes);
    jpegBytes.SetPosition(0);
    picture.LoadFromStream(jpegBytes);
    EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);

    TMemoryStream unknown(QByteArray("plain text"));
    try {
        picture.LoadFromStream(unknown);
        FAIL() << "loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unsupported stream format");
    }
}

TEST_F(Picture, ClipboardFormatsAreRegisteredToo)
{
    EXPECT_TRUE(TPicture::SupportsClipboardFormat("Bitmap"));
    EXPECT_FALSE(TPicture::SupportsClipboardFormat("Solid"));
    TPicture::RegisterClipboardFormat("Solid", [] { return std::make_unique<TBitmap>(); });
    EXPECT_TRUE(TPicture::SupportsClipboardFormat("Solid"));
    TPicture::UnregisterClipboardFormat("Solid");
    EXPECT_FALSE(TPicture::SupportsClipboardFormat("Solid"));

    TBitmap bitmap(3, 3);
    TPicture picture;
    picture.LoadFromClipboardFormat("Bitmap", bitmap.SaveToClipboardFormat());
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_THROW(picture.LoadFromClipboardFormat("Solid", QByteArray()), EInvalidGraphic);
}

namespace {

// Bytes with a stream form, as a blob field has them.
class TStoredBytes : public TPersistent, public IStreamPersist {
public:
    explicit TStoredBytes(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {}
    void LoadFromStream(TStream&) override {}
    void SaveToStream(TStream& stream) const override
    {
        stream.WriteBuffer(m_bytes.constData(), m_bytes.size());
    }

private:
    QByteArray m_bytes;
};

} // namespace

TEST_F(Picture, StoredBytesAreReadAsABitmapFile)
{
    TPicture picture;
    TStoredBytes bitmapBytes(BitmapBytes(5, 4));
    picture.Assign(&bitmapBytes);
    EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 5);

    TSolidGraphic solid;
    solid.SetWidth(3);
    picture.Assign(&solid);
    TStoredBytes jpegBytes(QByteArray("\xFF\xD8\xFF\xE0 not a bitmap", 18));
    try {
        picture.Assign(&jpegBytes);
        FAIL() << "read";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid");
    }
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(picture.Graphic()->Empty()) << "left as the failed assignment left it";
}
