#pragma once

#include "TGIFColorTable.h"
#include "TMemoryStream.h"

#include <QSize>
#include <memory>

// The compressed part of one frame, shared (reference-counted) between copies of a frame.
struct TGIFItem {
    // The LZW minimum code size byte followed by the data sub-blocks as stored, each
    // with its length byte, up to and including the zero-length terminator.
    std::unique_ptr<TMemoryStream> CodeStream;
    QSize FrameSize; // pixels
    quint8 DescriptorFlags = 0;
    quint8 ColorBits = 0;
    TGIFColorTable ColorTable; // the local table, or a copy of the global one
};
