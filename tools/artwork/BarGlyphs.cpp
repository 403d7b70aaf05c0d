#include "BarGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSize glyphSize(32, 32);
// The bar's page colour (RGB 240, 240, 250): the bottom-left pixel, left out when drawn.
const QColor pageColour(240, 240, 250);
const QColor ink(40, 52, 84);
const QColor blue(63, 123, 208);
const QColor green(63, 165, 90);
const QColor orange(232, 145, 45);
const QColor plum(142, 79, 106);

// A glyph: the page colour with a drawing on it, antialiased but kept off the
// bottom-left pixel so that it stays the transparent colour.
template <class Draw> QImage Glyph(Draw draw)
{
    QImage image(glyphSize, QImage::Format_RGB32);
    image.fill(pageColour);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.5));
    draw(painter);
    painter.end();
    image.setPixelColor(0, glyphSize.height() - 1, pageColour);
    return image;
}

QImage Network()
{
    return Glyph([](QPainter& p) {
        p.setBrush(blue.lighter(140));
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 4, 12, 24));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        p.drawLine(QPointF(6, 10), QPointF(26, 10));
        p.drawLine(QPointF(6, 22), QPointF(26, 22));
    });
}

QImage Multimedia()
{
    return Glyph([](QPainter& p) {
        p.setBrush(orange);
        p.drawEllipse(QRectF(6, 20, 8, 6));
        p.drawEllipse(QRectF(18, 17, 8, 6));
        p.drawLine(QPointF(14, 23), QPointF(14, 7));
        p.drawLine(QPointF(26, 20), QPointF(26, 4));
        p.setPen(QPen(ink, 3));
        p.drawLine(QPointF(14, 7), QPointF(26, 4));
    });
}

QImage Tools()
{
    return Glyph([](QPainter& p) {
        p.setBrush(QColor(160, 166, 178));
        QPainterPath wrench;
        wrench.addEllipse(QRectF(3, 3, 11, 11));
        p.drawPath(wrench);
        p.setBrush(pageColour);
        p.drawRect(QRectF(6, 2, 4, 6));
        p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(27, 27));
        p.setPen(QPen(orange, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 13), QPointF(26, 26));
    });
}

QImage Industry()
{
    return Glyph([](QPainter& p) {
        p.setBrush(plum.lighter(130));
        const QPolygonF factory(
            {{3, 28}, {3, 14}, {11, 19}, {11, 14}, {19, 19}, {19, 6}, {25, 6}, {25, 28}});
        p.drawPolygon(factory);
        p.setBrush(QColor(255, 226, 120));
        for (int x : {6, 13})
            p.drawRect(QRectF(x, 22, 4, 3));
    });
}

QImage Showcase()
{
    return Glyph([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 26, 21));
        p.setBrush(blue);
        p.drawRect(QRectF(3, 5, 26, 5));
        p.setBrush(green);
        p.drawRect(QRectF(7, 14, 8, 8));
        p.drawLine(QPointF(18, 15), QPointF(25, 15));
        p.drawLine(QPointF(18, 19), QPointF(24, 19));
    });
}

QImage Programs()
{
    return Glyph([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 26, 21));
        p.setBrush(blue);
        p.drawRect(QRectF(3, 5, 26, 5));
        p.setBrush(green);
        p.drawPolygon(QPolygonF({{12, 13}, {12, 23}, {21, 18}}));
    });
}

QImage Questions()
{
    return Glyph([](QPainter& p) {
        p.setBrush(blue);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(Qt::white);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QImage Exit()
{
    return Glyph([](QPainter& p) {
        p.setBrush(QColor(176, 122, 72));
        p.drawRect(QRectF(5, 3, 14, 26));
        p.setBrush(ink);
        p.drawEllipse(QRectF(15, 15, 2.5, 2.5));
        p.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 10), QPointF(28, 10));
        p.drawLine(QPointF(24, 6), QPointF(28, 10));
        p.drawLine(QPointF(24, 14), QPointF(28, 10));
    });
}

} // namespace

void addBarGlyphs(std::vector<ArtworkPicture>& pictures)
{
    using enum ArtworkFormat;
    pictures.push_back({QStringLiteral("GLYPHNETWORK"), Bitmap, Network()});
    pictures.push_back({QStringLiteral("GLYPHMULTIMEDIA"), Bitmap, Multimedia()});
    pictures.push_back({QStringLiteral("GLYPHTOOLS"), Bitmap, Tools()});
    pictures.push_back({QStringLiteral("GLYPHINDUSTRY"), Bitmap, Industry()});
    pictures.push_back({QStringLiteral("GLYPHSHOWCASE"), Bitmap, Showcase()});
    pictures.push_back({QStringLiteral("GLYPHPROGRAMS"), Bitmap, Programs()});
    pictures.push_back({QStringLiteral("GLYPHQUESTIONS"), Bitmap, Questions()});
    pictures.push_back({QStringLiteral("GLYPHEXIT"), Bitmap, Exit()});
}
