#include "../support/PictureSamples.h"
#include "Exception.h"
#include "TBitmap.h"
#include "TClipboard.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPicture.h"
#include "TTestPictures.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

QImage Solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

TEST(Clipboard, APictureGoesOnAndComesBackAsABitmap)
{
    TPicture picture;
    picture.Bitmap()->SetImage(Solid(5, 3, QColor(250, 10, 20)));
    Clipboard().Assign(&picture);
    EXPECT_TRUE(Clipboard().HasFormat(CF_BITMAP));
    EXPECT_FALSE(Clipboard().HasFormat(1));

    TPicture pasted;
    pasted.SetGraphic(std::make_unique<TJPEGImage>());
    pasted.Assign(&Clipboard());
    auto* bitmap = dynamic_cast<TBitmap*>(pasted.Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 5);
    EXPECT_EQ(bitmap->Image().pixelColor(4, 2), QColor(250, 10, 20));
}

TEST(Clipboard, AJpegGraphicGoesOnAsItsPixels)
{
    TBitmap source;
    source.SetImage(Solid(16, 16, Qt::white));
    TJPEGImage jpeg;
    jpeg.Assign(&source);
    Clipboard().Assign(&jpeg);
    TBitmap pasted;
    pasted.Assign(&Clipboard());
    EXPECT_EQ(pasted.Width(), 16);
    EXPECT_GE(pasted.Image().pixelColor(8, 8).lightness(), 250);
}

TEST(Clipboard, WithoutABitmapNothingCanBeTakenFromIt)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("words"));
    EXPECT_FALSE(Clipboard().HasFormat(CF_BITMAP));
    TBitmap bitmap(2, 2);
    EXPECT_THROW(bitmap.Assign(&Clipboard()), EInvalidOperation);
    EXPECT_EQ(bitmap.Width(), 2);

    // An empty picture empties the clipboard rather than leave stale pixels there.
    TPicture picture;
    picture.Bitmap()->SetImage(Solid(1, 1, Qt::red));
    Clipboard().Assign(&picture);
    Clipboard().Assign(static_cast<const TPersistent*>(nullptr));
    EXPECT_FALSE(Clipboard().HasFormat(CF_BITMAP));
}

TEST(Clipboard, APngGoesOnWithItsTransparencyAndItsOwnBytes)
{
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(1, 1, QColor(20, 40, 60, 100));
    const QByteArray bytes = TTestPictures::Png(image);
    TPicture picture;
    picturesamples::LoadBytes(picture, bytes);
    Clipboard().Assign(&picture);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(QStringLiteral("image/png")), bytes);
    EXPECT_FALSE(data->hasFormat(QStringLiteral("image/svg+xml")));
    const QImage held = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(held.pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(picturesamples::Close(held.pixelColor(1, 1), QColor(20, 40, 60)));
    EXPECT_NEAR(held.pixelColor(1, 1).alpha(), 100, 1);

    // Pasted back as a bitmap, transparent parts are white.
    TBitmap pasted;
    pasted.Assign(&Clipboard());
    EXPECT_EQ(pasted.Image().pixelColor(0, 0), QColor(Qt::white));
}

TEST(Clipboard, ADrawingGoesOnAsSvgAndAsPixels)
{
    const QByteArray bytes = TTestPictures::HalfFilledSvg(30, 10, Qt::blue);
    TPicture picture;
    picturesamples::LoadBytes(picture, bytes);
    Clipboard().Assign(&picture);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(QStringLiteral("image/svg+xml")), bytes);
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(png.size(), QSize(30, 10));
    EXPECT_EQ(png.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(png.pixelColor(25, 5).alpha(), 0);
}
