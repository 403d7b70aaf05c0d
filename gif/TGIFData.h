#pragma once

#include "TGIFColorTable.h"

#include <QStringList>

// The image-wide part of a GIF, shared (reference-counted) between copies of an image.
struct TGIFData {
    QStringList CommentLines;
    quint8 PixelAspect = 0; // as stored in the logical screen descriptor
    quint8 ColorBits = 0;   // global table size exponent, 1..8
    quint8 ColorResolution = 0;
    TGIFColorTable ColorTable;
};
