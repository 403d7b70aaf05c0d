#pragma once

#include <QByteArrayView>
#include <functional>

// The rows of a palette bitmap that decoding fills: stored bottom-up (the last row
// first), Depth 1, 4 or 8 bits per pixel, Stride bytes per stored row.
struct TGIFRaster {
    uchar* Bits = nullptr;
    qsizetype Stride = 0; // bytes
    int Width = 0;        // pixels
    int Height = 0;       // pixels
    int Depth = 8;        // bits per pixel: 1, 4 or 8
    bool Interlaced = false;
};

// Decodes the LZW data of one GIF frame into a raster.
class TGIFLZWDecoder {
public:
    using Progress = std::function<void(int percent)>;

    // codeStream: the minimum code size byte followed by the data sub-blocks.
    // colorBits: the frame's colour table exponent (1..8); pixel values are masked to it.
    TGIFLZWDecoder(QByteArrayView codeStream, int colorBits, bool tolerant);

    // Called with the share of the data consumed, each time it grows by a percent.
    void SetProgress(Progress progress) { m_progress = std::move(progress); }

    // Decodes into raster, whose bits must be zero-filled. Returns true when the data was
    // corrupt and decoding stopped early (tolerant mode; the pixels so far remain).
    // Raises EInvalidGraphicOperation: "Stream read error" when the data ends before the
    // last row; without tolerance also for a bad code size or a runaway code chain.
    bool Decode(const TGIFRaster& raster);

private:
    QByteArrayView m_codeStream;
    int m_colorBits;
    bool m_tolerant;
    Progress m_progress;
};
