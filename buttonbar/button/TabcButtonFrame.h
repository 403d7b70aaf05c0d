#pragma once

#include "TabcButtonTypes.h"

#include <QRect>

class TCanvas;

// The frame of a styled button: rings of the canvas's 3-D edges, light and dark
// one-pixel frames, a bottom line and a gap, as each style draws them up, hot and
// pressed. A flat button that is neither pressed nor hot has no frame.
class TabcButtonFrame {
public:
    // Draws the frame just inside rect; rect becomes what remains inside it.
    static void Draw(TCanvas& canvas, QRect& rect, TabcButtonStyle style, bool pressed, bool hot,
                     bool flat);

    // The colour of the top and left of a light frame (the bottom and right of a dark
    // one), 0x00BBGGRR.
    static constexpr TColor frameLight = TColor(0xDEDEDE);
};
