#include "TAppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

const QColor frameColour(0x3a, 0x5a, 0x9a);
const QColor tileTop(0xf4, 0xf6, 0xfd);
const QColor tileBottom(0xc6, 0xd3, 0xf0);
// The four pictures, left to right and top to bottom.
const std::array<QColor, 4> pictureColours = {QColor(0xe0, 0x45, 0x3a), QColor(0x3f, 0x9c, 0x46),
                                              QColor(0x2f, 0x6f, 0xd0), QColor(0xf2, 0xa5, 0x16)};

// A length of the icon's design, given in 256ths of its size, never below one pixel.
qreal Scaled(int size, qreal designLength)
{
    return std::max<qreal>(1.0, size * designLength / 256.0);
}

} // namespace

QImage TAppIcon::Draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    DrawTile(image);
    DrawPictures(image);
    return image;
}

void TAppIcon::DrawTile(QImage& image)
{
    const int size = image.width();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal border = Scaled(size, 8);
    const QRectF tile =
        QRectF(0, 0, size, size).adjusted(border / 2, border / 2, -border / 2, -border / 2);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, tileTop);
    fill.setColorAt(1, tileBottom);
    painter.setPen(QPen(frameColour, border));
    painter.setBrush(fill);
    const qreal radius = Scaled(size, 44);
    painter.drawRoundedRect(tile, radius, radius);
}

void TAppIcon::DrawPictures(QImage& image)
{
    const int size = image.width();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = Scaled(size, 48);
    const qreal gap = Scaled(size, 16);
    const qreal picture = (size - 2 * margin - gap) / 2;
    const qreal radius = Scaled(size, 14);
    for (int i = 0; i < int(pictureColours.size()); ++i) {
        const QRectF place(margin + (i % 2) * (picture + gap), margin + (i / 2) * (picture + gap),
                           picture, picture);
        painter.setPen(Qt::NoPen);
        painter.setBrush(pictureColours[i]);
        painter.drawRoundedRect(place, radius, radius);
        // A light upper half, as on the gallery's glossy buttons, where there is room.
        if (size < 32)
            continue;
        QPainterPath gloss;
        gloss.addRoundedRect(place, radius, radius);
        painter.setClipPath(gloss);
        painter.fillRect(QRectF(place.topLeft(), QSizeF(picture, picture / 2)),
                         QColor(255, 255, 255, 64));
        painter.setClipping(false);
    }
}
