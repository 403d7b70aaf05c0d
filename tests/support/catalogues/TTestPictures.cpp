#include "TTestPictures.h"

#include "TBitmap.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"

QImage TTestPictures::Solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage TTestPictures::Pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5, y * 7, 40));
    }
    return image;
}

QByteArray TTestPictures::Jpeg(const QImage& image)
{
    TBitmap bitmap;
    bitmap.SetImage(image);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    TMemoryStream out;
    jpeg.SaveToStream(out);
    return out.Bytes();
}

QByteArray TTestPictures::BitmapFile(const QImage& image, std::optional<TPixelFormat> format)
{
    TBitmap bitmap;
    bitmap.SetImage(image);
    if (format)
        bitmap.SetPixelFormat(*format);
    TMemoryStream out;
    bitmap.SaveToStream(out);
    return out.Bytes();
}
