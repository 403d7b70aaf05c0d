#pragma once

#include "TPixelFormat.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
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

    // The image as a JPEG file.
    static QByteArray Jpeg(const QImage& image);
    // The image as a Windows bitmap file, in format when one is given (else as the image's
    // own format maps to a bitmap's).
    static QByteArray BitmapFile(const QImage& image, std::optional<TPixelFormat> format = {});
};
