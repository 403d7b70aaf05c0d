#pragma once

#include <QBrush>
#include <QPainter>
#include <QRect>

class QImage;

// Copy modes of CopyRect and of drawing bitmaps: the system's ternary raster
// operations on source S, destination D and the canvas brush P, by their values.
using TCopyMode = qint32;
constexpr TCopyMode cmBlackness = 0x00000042;   // 0
constexpr TCopyMode cmDstInvert = 0x00550009;   // ~D
constexpr TCopyMode cmMergeCopy = 0x00C000CA;   // S & P
constexpr TCopyMode cmMergePaint = 0x00BB0226;  // ~S | D
constexpr TCopyMode cmNotSrcCopy = 0x00330008;  // ~S
constexpr TCopyMode cmNotSrcErase = 0x001100A6; // ~(S | D)
constexpr TCopyMode cmPatCopy = 0x00F00021;     // P
constexpr TCopyMode cmPatInvert = 0x005A0049;   // P ^ D
constexpr TCopyMode cmPatPaint = 0x00FB0A09;    // P | ~S | D
constexpr TCopyMode cmSrcAnd = 0x008800C6;      // S & D
constexpr TCopyMode cmSrcCopy = 0x00CC0020;     // S
constexpr TCopyMode cmSrcErase = 0x00440328;    // S & ~D
constexpr TCopyMode cmSrcInvert = 0x00660046;   // S ^ D
constexpr TCopyMode cmSrcPaint = 0x00EE0086;    // S | D
constexpr TCopyMode cmWhiteness = 0x00FF0062;   // 1

// Puts pixels onto a painter through a copy mode with a brush. The modes that do not
// read the source fill the destination; the others combine source, destination and,
// for cmMergeCopy and cmPatPaint, the brush aligned to the destination's corner. An
// image with an alpha channel is blended over the destination instead.
class TRasterCopy {
public:
    TRasterCopy(TCopyMode mode, QBrush brush);

    // Draws sourceRect of image into dest (scaled, nearest pixel, when the sizes
    // differ). Raises EInvalidGraphicOperation for a mode the system does not have.
    void Draw(QPainter& painter, const QRect& dest, const QImage& image,
              const QRect& sourceRect) const;

private:
    // Fills dest for the modes that do not read the source; false for the others.
    bool Fill(QPainter& painter, const QRect& dest) const;
    void FillWithBrush(QPainter& painter, const QRect& rect, QPainter::CompositionMode mode) const;
    // Combines the brush into source for the modes that involve it; gives the
    // composition that puts the result onto the destination.
    QPainter::CompositionMode PrepareSource(QImage& source, const QRect& dest) const;

    TCopyMode m_mode;
    QBrush m_brush;
};
