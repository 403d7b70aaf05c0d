#pragma once

#include "TColors.h"

#include <QImage>
#include <QRect>

class TCanvas;

// The check and radio marks of items without a glyph: vector shapes for the xp look,
// else the marks of the program's resources.
class T_AM2000_CheckMarks {
public:
    // The xp radio ring in the 16 x 16 box at (x, y): a round polygon from (x+2, y+2) to
    // (x+13, y+13) outlined in outline and filled with fill, with a dot from (x+5, y+5)
    // to (x+11, y+11) in ink when checked.
    static void PaintXpRadio(TCanvas& canvas, int x, int y, bool checked, TColor outline,
                             TColor fill, TColor ink);
    // The xp check: a six-point polygon in ink in the 16 x 16 box at (x, y).
    static void PaintXpCheck(TCanvas& canvas, int x, int y, TColor ink);
    // The resource mark ("AM2000_SYSTEMRADIOITEM" or "AM2000_SYSTEMCHECKMARK") with alpha
    // where it is transparent; read once.
    static const QImage& ResourceMark(bool radio);
};
