#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

// Pictures whose pixels tell where they came from.
namespace MenuAnimationPictures {

// Red is the column, green the row, blue fixed.
inline QImage Coordinates(QSize size, int blue = 77)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, blue));
    return image;
}

inline QImage Filled(QSize size, QRgb color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A screen whose pixels name their screen coordinates, for rect.
inline QImage ScreenAt(const QRect& rect)
{
    QImage image(rect.size(), QImage::Format_RGB32);
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            image.setPixel(x, y, qRgb((rect.x() + x) % 256, (rect.y() + y) % 256, 90));
    return image;
}

} // namespace MenuAnimationPictures
