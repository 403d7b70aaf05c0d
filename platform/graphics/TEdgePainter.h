#pragma once

#include "TColors.h"

#include <QRect>

class QPainter;

// The 3-D frames of a canvas, drawn in solid pixels with the canvas's colour table.
class TEdgePainter {
public:
    // A 3-D frame of width rings just inside rect: left and top edges in topColor,
    // right and bottom edges in bottomColor (the bottom colour owns the top-right and
    // bottom-left corners). rect shrinks by width on every side.
    static void Frame3D(QPainter& painter, QRect& rect, TColor topColor, TColor bottomColor,
                        int width);
    // The system's 3-D edge (TEdgeFlags.h): the outer ring of edge (raised or sunken),
    // then its inner ring, each one pixel wide just inside rect, on the sides that flags
    // name. Left and top are drawn first, so right and bottom own the corners they
    // share. BF_SOFT lightens the top-left colour of each ring; BF_FLAT draws each ring
    // in one colour (button shadow, then button face); BF_FLAT | BF_MONO draws one ring
    // in the window-frame colour. BF_ADJUST takes what was drawn off rect's named sides.
    static void DrawEdge(QPainter& painter, QRect& rect, unsigned edge, unsigned flags);
};
