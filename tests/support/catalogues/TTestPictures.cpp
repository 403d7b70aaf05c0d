#include "TTestPictures.h"

#include "TBitmap.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"

#include <QBuffer>

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

QByteArray TTestPictures::Png(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

QByteArray TTestPictures::Svg(int width, int height, const QString& body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\">%3</svg>\n")
        .arg(width)
        .arg(height)
        .arg(body)
        .toUtf8();
}

QByteArray TTestPictures::HalfFilledSvg(int width, int height, QColor colour, double opacity)
{
    return Svg(width, height,
               QStringLiteral("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"%3\" "
                              "fill-opacity=\"%4\"/>")
                   .arg(width / 2)
                   .arg(height)
                   .arg(colour.name())
                   .arg(opacity));
}

QByteArray TTestPictures::UseBombSvg(int levels)
{
    QString defs = QStringLiteral("<rect id=\"l0\" width=\"1\" height=\"1\"/>");
    for (int level = 1; level <= levels; ++level) {
        defs += QStringLiteral("<g id=\"l%1\">").arg(level);
        for (int i = 0; i < 10; ++i)
            defs += QStringLiteral("<use xlink:href=\"#l%1\"/>").arg(level - 1);
        defs += QStringLiteral("</g>");
    }
    return Svg(8, 8,
               QStringLiteral("<defs>%1</defs><use xlink:href=\"#l%2\"/>").arg(defs).arg(levels));
}

QByteArray TTestPictures::NamingRow(qint64 rowId)
{
    return QByteArray("picture ") + QByteArray::number(rowId);
}
