#include "../support/PictureSamples.h"
#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"
#include "TPicture.h"
#include "TPngImage.h"
#include "TTestPictures.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace picturesamples;

namespace {

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

QByteArray Chunk(const QByteArray& type, const QByteArray& body)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(body.size()), chunk.data());
    chunk += type + body;
    QByteArray crc(4, '\0');
    qToBigEndian(Crc32(type + body), crc.data());
    return chunk + crc;
}

// A PNG whose well-formed header announces width x height, followed by a few bytes of
// pixel data.
QByteArray AnnouncingPng(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", header) +
           Chunk("IDAT", QByteArray::fromHex("78da636000000000010001")) + Chunk("IEND", {});
}

} // namespace

TEST(PngImage, DecodesEveryKindOfPngWithItsTransparency)
{
    QImage deep(3, 2, QImage::Format_RGBA64);
    deep.fill(Qt::transparent);
    deep.setPixelColor(1, 0, QColor(10, 200, 30, 128));
    QImage grey(2, 2, QImage::Format_Grayscale16);
    grey.fill(QColor(90, 90, 90));
    QImage palette(2, 1, QImage::Format_Indexed8);
    palette.setColorTable({qRgba(0, 0, 0, 0), qRgba(250, 0, 0, 255)});
    palette.setPixel(0, 0, 0);
    palette.setPixel(1, 0, 1);

    const auto deepPng = Loaded<TPngImage>(TTestPictures::Png(deep));
    EXPECT_EQ(deepPng->Width(), 3);
    EXPECT_EQ(deepPng->Height(), 2);
    EXPECT_EQ(deepPng->Image().pixelColor(0, 0).alpha(), 0);
    const QColor half = deepPng->Image().pixelColor(1, 0);
    EXPECT_NEAR(half.alpha(), 128, 1);
    EXPECT_NEAR(half.green(), 200, 2);
    EXPECT_EQ(Loaded<TPngImage>(TTestPictures::Png(grey))->Image().pixelColor(1, 1),
              QColor(90, 90, 90));
    const auto palettePng = Loaded<TPngImage>(TTestPictures::Png(palette));
    EXPECT_EQ(palettePng->Image().pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(palettePng->Image().pixelColor(1, 0), QColor(250, 0, 0));
}

TEST(PngImage, KeepsTheFilesBytesAndIsFoundByContent)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(QColor(1, 2, 3, 4));
    const QByteArray bytes = TTestPictures::Png(image);
    TPicture picture;
    LoadBytes(picture, bytes);
    ASSERT_NE(dynamic_cast<TPngImage*>(picture.Graphic()), nullptr);
    TMemoryStream out;
    picture.SaveToStream(out);
    EXPECT_EQ(out.Bytes(), bytes);
    const std::unique_ptr<TGraphic> copy = picture.Graphic()->Clone();
    EXPECT_TRUE(copy->Equals(picture.Graphic()));
}

TEST(PngImage, DrawingBlendsOverWhatLiesBelow)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixelColor(0, 0, QColor(0, 0, 255, 64));
    image.setPixelColor(1, 0, QColor(0, 0, 0, 0));
    const auto png = Loaded<TPngImage>(TTestPictures::Png(image));
    TBitmap target(2, 1);
    target.Canvas()->Brush()->SetColor(clRed);
    target.Canvas()->FillRect(QRect(0, 0, 2, 1));
    target.Canvas()->Draw(0, 0, png.get());
    EXPECT_TRUE(Close(target.Image().pixelColor(0, 0), Over(QColor(0, 0, 255, 64), Qt::red)));
    EXPECT_EQ(target.Image().pixelColor(1, 0), QColor(Qt::red));
}

TEST(PngImage, DamagedOrOversizedDataRaisesAndLeavesItEmpty)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::green);
    const QByteArray good = TTestPictures::Png(image);
    TPngImage png;
    TMemoryStream cut(good.left(good.size() - 30));
    EXPECT_THROW(png.LoadFromStream(cut), EInvalidGraphic);
    EXPECT_TRUE(png.Empty());

    // A header announcing 100000 x 100000 pixels is refused before any pixel memory.
    try {
        Loaded<TPngImage>(AnnouncingPng(100000, 100000));
        ADD_FAILURE() << "a huge PNG was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("PNG image is too large"));
    }
    try {
        Loaded<TPngImage>(
            AnnouncingPng(3000, 3000)); // within the limits, but the pixels are missing
        ADD_FAILURE() << "a PNG without its pixels was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("PNG image is not valid"));
    }
    EXPECT_THROW(png.SetWidth(3), EInvalidGraphicOperation);
}
