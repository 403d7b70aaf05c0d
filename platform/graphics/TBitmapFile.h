#pragma once

#include "TPixelFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// Pixels read from a Windows bitmap, with the pixel format they had in the file.
struct TBitmapData {
    QImage image;
    TPixelFormat pixelFormat = TPixelFormat::pfDevice;
};

// Our reader and writer of Windows bitmaps: a file is the 14-byte file header ("BM",
// size, pixel offset) followed by a device-independent bitmap (DIB): an info header
// (the 12-byte core header, or the 40-byte info header and its longer versions), the
// colour table, and the rows of pixels, each padded to 4 bytes, bottom row first
// (or top row first when the height is negative).
//
// Read: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, with bit-field masks (16
// and 32 bits) or run-length encoded (RLE8, RLE4). A colour table shorter than the
// depth allows is padded with black. The input is untrusted: every read is checked
// against the bytes there are; sizes above TBitmap's limits are refused before anything
// is allocated. Damage raises EInvalidGraphic "Bitmap image is not valid"; absurd sizes
// EInvalidGraphic "Bitmap image is too large".
//
// Write: the info header, bottom row first, uncompressed, depth from the pixel format
// (1, 4, 8 with the full colour table; 16 for pf15bit and pf16bit, the latter with
// bit-field masks; 24 for pf24bit, pfDevice and pfCustom; 32 for pf32bit).
class TBitmapFile {
public:
    // A bitmap file; empty bytes give an empty image.
    static TBitmapData ReadFile(QByteArrayView bytes);
    // A DIB as the clipboard holds it (no file header).
    static TBitmapData ReadDIB(QByteArrayView bytes);

    // An empty image writes no bytes.
    static QByteArray WriteFile(const QImage& image, TPixelFormat format);
    static QByteArray WriteDIB(const QImage& image, TPixelFormat format);
};
