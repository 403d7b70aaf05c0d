#pragma once

#include "TPixelFormat.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <optional>

// Pictures for test catalogues: images of known pixels, and the bytes a catalogue stores
// for them.
class TTestPictures {
public:
    // An image of that size in one colour.
    static QImage Solid(int width, int height, QColor color);
    // An image whose pixel (x, y) is RGB (x * 5, y * 7, 40), so that a test can tell which
    // part of it is shown.
    static QImage Pattern(int width, int height);

    // Bytes that stand for the picture of row id in a test that reads them back: they
    // name the row id.
    static QByteArray NamingRow(qint64 rowId);

    // The image as a JPEG file.
    static QByteArray Jpeg(const QImage& image);
    // The image as a Windows bitmap file, in format when one is given (else as the image's
    // own format maps to a bitmap's).
    static QByteArray BitmapFile(const QImage& image, std::optional<TPixelFormat> format = {});
    // The image as a PNG file as Qt writes it: 16 bits per channel for 64-bit and 16-bit
    // grey images, a palette for indexed ones.
    static QByteArray Png(const QImage& image);

    // An SVG drawing of width x height pixels holding body.
    static QByteArray Svg(int width, int height, const QString& body);
    // A drawing whose left half is a rectangle of colour at opacity, its right half empty.
    static QByteArray HalfFilledSvg(int width, int height, QColor colour, double opacity = 1.0);
    // A drawing whose every level uses the level below ten times: 10^levels rectangles
    // when drawn, in a file of a few kilobytes.
    static QByteArray UseBombSvg(int levels);
};
