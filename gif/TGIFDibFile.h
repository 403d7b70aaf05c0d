#pragma once

#include "TGIFLZWDecoder.h"

#include <QByteArray>

struct TGIFItem;

// A frame decoded into the bytes of a Windows bitmap file (palette bitmap of 1, 4 or
// 8 bits, rows bottom-up), ready for the platform's bitmap reader.
class TGIFDibFile {
public:
    // Bits per pixel of the bitmap for a colour table exponent: 1 -> 1, 2..4 -> 4,
    // 5..8 -> 8; raises EInvalidGraphicOperation otherwise.
    static int DepthFor(int colorBits);

    // Decodes item's code stream into a bitmap file. Sets corrupted when the data was
    // corrupt (tolerant mode) and decoding stopped early. Raises the decoder's errors,
    // and EInvalidGraphicOperation for a frame larger than a bitmap may be (checked
    // before any pixel memory is taken: a few bytes of file can declare a huge frame).
    static QByteArray Build(const TGIFItem& item, bool interlaced, bool tolerant,
                            const TGIFLZWDecoder::Progress& progress, bool& corrupted);
};
