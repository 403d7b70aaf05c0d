#pragma once

#include "T_AM2000_Types.h"

#include <QImage>
#include <QRect>
#include <QSize>

class TCanvas;

// Laying out a skin's bitmaps: the window background by its background layout, and the
// nine-part images of item backgrounds.
class T_AM2000_SkinBackground {
public:
    // The background picture of a window of that size: picture laid out by layout;
    // corner gives the fixed corners of blSkin. Where the picture does not reach, the
    // result holds fill.
    static QImage Render(const QImage& picture, T_AM2000_BackgroundLayout layout, QSize corner,
                         QSize size, QColor fill);
    // Draws picture into dest in nine parts: the four corner x corner parts unscaled, the
    // edges and the middle stretched; the top or bottom corners are left out on request
    // (a run of hidden items draws as one block).
    static void DrawNinePart(TCanvas& canvas, const QRect& dest, const QImage& picture,
                             QSize corner, bool withTopCorners = true,
                             bool withBottomCorners = true);

private:
    static QPoint PlacedAt(T_AM2000_BackgroundLayout layout, QSize picture, QSize size);
};
