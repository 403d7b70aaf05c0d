#pragma once

#include "TMemoryStream.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

// Pictures loaded from bytes (TTestPictures makes them), and the colour arithmetic of
// transparent pixels laid over a background.
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
