#pragma once

#include "TMemoryStream.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

// Picture files made for tests: PNG pictures as Qt writes them (16 bits per channel for
// 64-bit and 16-bit grey images, a palette for indexed ones) and small SVG drawings.
namespace picturesamples {

// A picture or graphic loaded from bytes (raising as its kind does).
template <class T> void LoadBytes(T& target, const QByteArray& bytes)
{
    TMemoryStream stream(bytes);
    target.LoadFromStream(stream);
}

// A graphic of kind T loaded from bytes.
template <class T> std::unique_ptr<T> Loaded(const QByteArray& bytes)
{
    auto graphic = std::make_unique<T>();
    LoadBytes(*graphic, bytes);
    return graphic;
}

inline QByteArray Png(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

// A drawing of width x height pixels holding body.
inline QByteArray Svg(int width, int height, const QString& body)
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

// A drawing whose every level uses the level below ten times: 10^levels rectangles
// when drawn, in a file of a few kilobytes.
inline QByteArray UseBombSvg(int levels)
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

// A drawing whose left half is a rectangle of colour at opacity, its right half empty.
inline QByteArray HalfFilledSvg(int width, int height, QColor colour, double opacity = 1.0)
{
    return Svg(width, height,
               QStringLiteral("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"%3\" "
                              "fill-opacity=\"%4\"/>")
                   .arg(width / 2)
                   .arg(height)
                   .arg(colour.name())
                   .arg(opacity));
}

// Straight-alpha colour c laid over an opaque background, as compositing computes it.
inline QColor Over(QColor c, QColor background)
{
    const double a = c.alphaF();
    const auto mix = [a](int top, int bottom) { return int(top * a + bottom * (1 - a) + 0.5); };
    return QColor(mix(c.red(), background.red()), mix(c.green(), background.green()),
                  mix(c.blue(), background.blue()));
}

// Whether two colours differ by at most tolerance in each channel (premultiplied
// arithmetic rounds a little differently from the straight formula).
inline bool Close(QColor a, QColor b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace picturesamples
