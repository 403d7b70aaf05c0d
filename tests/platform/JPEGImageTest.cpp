#include "Exception.h"
#include "TBitmap.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The decoded bitmap is reached by subclasses, as the picture control's decoder does.
class OpenJPEGImage : public TJPEGImage {
public:
    using TJPEGImage::Bitmap;
};

// A picture with four flat quadrants: JPEG keeps flat colours close.
QImage Quadrants(int width = 32, int height = 16)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           y < height / 2 ? (x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                          : (x < width / 2 ? qRgb(0, 0, 255) : qRgb(255, 255, 0)));
    return image;
}

bool Near(QRgb a, QRgb b, int tolerance = 24)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QByteArray EncodeWithOurs(const QImage& image, bool grey = false)
{
    TBitmap bitmap;
    bitmap.SetImage(image);
    TJPEGImage jpeg;
    jpeg.SetGrayscale(grey);
    jpeg.Assign(&bitmap);
    TMemoryStream out;
    jpeg.SaveToStream(out);
    return out.Bytes();
}

// Qt's own JPEG writer: an encoder that is not ours.
QByteArray EncodeWithQt(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

void Load(TJPEGImage& jpeg, const QByteArray& bytes)
{
    TMemoryStream stream(bytes);
    jpeg.LoadFromStream(stream);
}

std::string JpegErrorOf(const QByteArray& bytes)
{
    try {
        OpenJPEGImage jpeg;
        Load(jpeg, bytes);
        jpeg.Bitmap();
    } catch (const EJPEG& e) {
        return e.Message().toStdString();
    }
    return "no error";
}

} // namespace

TEST(JPEGImage, DecodesWhatItEncodedToTwentyFourBits)
{
    const QByteArray bytes = EncodeWithOurs(Quadrants());
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8\xFF"));
    OpenJPEGImage jpeg;
    Load(jpeg, bytes);
    EXPECT_EQ(jpeg.Width(), 32);
    EXPECT_EQ(jpeg.Height(), 16);
    TBitmap* bitmap = jpeg.Bitmap();
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    const QImage& pixels = bitmap->Image();
    EXPECT_TRUE(Near(pixels.pixel(4, 4), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(pixels.pixel(28, 4), qRgb(0, 255, 0)));
    EXPECT_TRUE(Near(pixels.pixel(4, 12), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(pixels.pixel(28, 12), qRgb(255, 255, 0)));
}

TEST(JPEGImage, DecodesAnotherEncodersPicture)
{
    OpenJPEGImage jpeg;
    Load(jpeg, EncodeWithQt(Quadrants(40, 24)));
    const QImage& pixels = jpeg.Bitmap()->Image();
    EXPECT_EQ(pixels.size(), QSize(40, 24));
    EXPECT_TRUE(Near(pixels.pixel(35, 20), qRgb(255, 255, 0)));
}

TEST(JPEGImage, OurEncodingDecodesElsewhere)
{
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(EncodeWithOurs(Quadrants()), "JPG"));
    EXPECT_TRUE(Near(decoded.pixel(28, 12), qRgb(255, 255, 0)));
}

TEST(JPEGImage, GreyPicturesDecodeToTwentyFourBitsToo)
{
    OpenJPEGImage jpeg;
    Load(jpeg, EncodeWithOurs(Quadrants(), /*grey=*/true));
    TBitmap* bitmap = jpeg.Bitmap();
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    const QRgb p = bitmap->Image().pixel(4, 4);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
}

TEST(JPEGImage, LoadReadsTheHeaderAndDecodesOnlyOnDemand)
{
    QByteArray bytes = EncodeWithOurs(Quadrants());
    bytes.truncate(bytes.size() - 40); // the header is whole, the picture is not
    OpenJPEGImage jpeg;
    ASSERT_NO_THROW(Load(jpeg, bytes));
    EXPECT_EQ(jpeg.Width(), 32);
    EXPECT_FALSE(jpeg.Empty());
    try {
        jpeg.Bitmap();
        FAIL() << "a picture cut short decoded";
    } catch (const EJPEG& e) {
        EXPECT_TRUE(e.Message().startsWith("JPEG error #")) << e.Message().toStdString();
    }
}

TEST(JPEGImage, EveryTruncationRaisesAJpegErrorNeverACrash)
{
    const QByteArray bytes = EncodeWithOurs(Quadrants(16, 16));
    for (qsizetype size = 1; size < bytes.size() - 2; size += 7)
        EXPECT_EQ(JpegErrorOf(bytes.left(size)).rfind("JPEG error #", 0), 0u) << size;
}

TEST(JPEGImage, DataThatIsNotAJpegFailsAtTheLoadWithTheLibraryCode)
{
    OpenJPEGImage jpeg;
    try {
        Load(jpeg, QByteArray("BM not a JPEG at all"));
        FAIL() << "no error";
    } catch (const EJPEG& e) {
        // libjpeg's "Not a JPEG file: starts with 0x%02x 0x%02x" (JERR_NO_SOI).
        EXPECT_EQ(e.Message(), "JPEG error #53");
    }
    EXPECT_TRUE(jpeg.Empty());
}

TEST(JPEGImage, DamagedDataRaisesAJpegError)
{
    QByteArray bytes = EncodeWithOurs(Quadrants());
    // Destroy the quantisation tables' marker: the decoder meets an unknown marker.
    const qsizetype dqt = bytes.indexOf("\xFF\xDB");
    ASSERT_GT(dqt, 0);
    bytes[dqt + 2] = '\xFF';
    bytes[dqt + 3] = '\xFF';
    EXPECT_EQ(JpegErrorOf(bytes).rfind("JPEG error #", 0), 0u);
}

TEST(JPEGImage, ZeroPaddingAfterThePictureIsIgnored)
{
    OpenJPEGImage jpeg;
    Load(jpeg, EncodeWithOurs(Quadrants()) + QByteArray(4096, '\0'));
    EXPECT_TRUE(Near(jpeg.Bitmap()->Image().pixel(28, 12), qRgb(255, 255, 0)));
}

TEST(JPEGImage, EmptyStreamGivesAnEmptyImage)
{
    OpenJPEGImage jpeg;
    Load(jpeg, QByteArray());
    EXPECT_TRUE(jpeg.Empty());
    EXPECT_EQ(jpeg.Width(), 0);
    EXPECT_TRUE(jpeg.Bitmap()->Empty());
}

TEST(JPEGImage, ScaleDecodesSmaller)
{
    OpenJPEGImage jpeg;
    Load(jpeg, EncodeWithOurs(Quadrants(33, 17)));
    jpeg.SetScale(TJPEGScale::jsHalf);
    EXPECT_EQ(jpeg.Width(), 17);
    EXPECT_EQ(jpeg.Height(), 9);
    EXPECT_EQ(jpeg.Bitmap()->Width(), 17);
}

TEST(JPEGImage, QualityChangesTheSize)
{
    QImage noisy(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noisy.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (x ^ y) * 4 & 255));
    TBitmap bitmap;
    bitmap.SetImage(noisy);
    auto sizeAt = [&](int quality) {
        TJPEGImage jpeg;
        jpeg.SetCompressionQuality(quality);
        jpeg.Assign(&bitmap);
        TMemoryStream out;
        jpeg.SaveToStream(out);
        return out.Size();
    };
    EXPECT_EQ(TJPEGImage().CompressionQuality(), 95);
    EXPECT_LT(sizeAt(20), sizeAt(95));
}

TEST(JPEGImage, SizeCannotBeChanged)
{
    TJPEGImage jpeg;
    EXPECT_THROW(jpeg.SetWidth(3), EInvalidGraphicOperation);
    EXPECT_THROW(jpeg.SetHeight(3), EInvalidGraphicOperation);
}

TEST(JPEGImage, AssignCopiesAndABitmapTakesTheDecodedPixels)
{
    OpenJPEGImage original;
    Load(original, EncodeWithOurs(Quadrants()));
    TJPEGImage copy;
    copy.Assign(&original);
    EXPECT_EQ(copy.Data(), original.Data());

    TBitmap bitmap;
    bitmap.Assign(&copy);
    EXPECT_EQ(bitmap.Width(), 32);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_TRUE(Near(bitmap.Image().pixel(4, 12), qRgb(0, 0, 255)));
}

TEST(JPEGImage, ChangesAreAnnounced)
{
    TJPEGImage jpeg;
    int changes = 0;
    jpeg.OnChange = [&](TObject*) { ++changes; };
    Load(jpeg, EncodeWithOurs(Quadrants()));
    EXPECT_EQ(changes, 1);
    jpeg.SetGrayscale(true);
    EXPECT_EQ(changes, 2);
}
