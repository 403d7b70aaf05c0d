#include "TGIFWriter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtMath>
#include <cstdio>

// The wait animation: a ring of dots with a bright head turning once in 25 frames,
// drawn antialiased and quantised to a 64-entry table whose entry 0 is transparent.
namespace {
constexpr int side = 60; // pixels
constexpr int frameCount = 25;
constexpr quint16 frameDelay = 5; // hundredths of a second
constexpr int tableSize = 64;
constexpr int dotCount = 12;
constexpr qreal ringRadius = 21.0; // pixels
constexpr qreal dotRadius = 4.0;   // pixels
constexpr qreal trail = 300.0;     // degrees behind the head over which dots fade
constexpr int disposeToBackground = 2;
const QColor backdrop(208, 207, 233); // the wait form's client colour
const QColor dotColor(36, 52, 150);

// Entry 0: the backdrop (transparent); entries 1..63 run from a faint to the full dot colour.
QList<QRgb> Table()
{
    QList<QRgb> table{backdrop.rgb()};
    for (int i = 1; i < tableSize; ++i) {
        const qreal t = qreal(i) / (tableSize - 1);
        table.append(qRgb(qRound(backdrop.red() + (dotColor.red() - backdrop.red()) * t),
                          qRound(backdrop.green() + (dotColor.green() - backdrop.green()) * t),
                          qRound(backdrop.blue() + (dotColor.blue() - backdrop.blue()) * t)));
    }
    return table;
}

QImage DrawFrame(int frame)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal head = 360.0 * frame / frameCount;
    for (int dot = 0; dot < dotCount; ++dot) {
        const qreal angle = 360.0 * dot / dotCount;
        const qreal behind = std::fmod(head - angle + 720.0, 360.0);
        const qreal strength = std::max(0.15, 1.0 - behind / trail);
        QColor color = dotColor;
        color.setAlphaF(float(strength));
        painter.setBrush(color);
        const QPointF centre(side / 2.0 + ringRadius * qCos(qDegreesToRadians(angle)),
                             side / 2.0 + ringRadius * qSin(qDegreesToRadians(angle)));
        painter.drawEllipse(centre, dotRadius, dotRadius);
    }
    return image;
}

// Index of a pixel: 0 where nothing was drawn, else the table entry of its coverage.
std::vector<quint8> Quantise(const QImage& image)
{
    std::vector<quint8> indices;
    indices.reserve(size_t(side * side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            indices.push_back(alpha < 16 ? 0 : quint8(std::max(1, alpha * (tableSize - 1) / 255)));
        }
    return indices;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: waitgif OUTPUT.GIF\n");
        return 2;
    }
    TGIFWriter writer(QSize(side, side), Table(), "GIF89a", 0);
    writer.AddLoop(0);
    for (int frame = 0; frame < frameCount; ++frame) {
        writer.AddGraphicControl(frameDelay, disposeToBackground, 0);
        writer.AddImage({QRect(0, 0, side, side), Quantise(DrawFrame(frame))});
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = writer.Finish();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
