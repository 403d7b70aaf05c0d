#include "TabcButtonFrame.h"

#include "TCanvas.h"
#include "TEdgeFlags.h"

#include <vector>

namespace {

// The pieces frames are made of, drawn from the outside in.
enum class Piece {
    RaisedOuterSoft,
    RaisedInner,
    RaisedInnerBottomRightSoft,
    SunkenEdgeSoft,
    SunkenOuter,
    SunkenOuterSoft,
    SunkenInnerTopLeftSoft,
    MonoFlat,
    LightFrame,
    DarkFrame,
    BottomLine,
    Gap
};
using Pieces = std::vector<Piece>;

struct StyleFrames {
    Pieces up;
    Pieces hot;
    Pieces pressed;
};

using P = Piece;

// The framed styles (9 to 13) up, hot and pressed; the recessed ones (14 to 18) are
// the same with a gap after the first ring when not pressed.
const StyleFrames framedStyles[] = {
    {{P::SunkenOuter, P::RaisedInner},
     {P::SunkenOuter, P::RaisedInner},
     {P::SunkenOuter, P::SunkenOuter}},
    {{P::SunkenOuterSoft, P::RaisedOuterSoft},
     {P::SunkenOuterSoft, P::RaisedOuterSoft},
     {P::SunkenOuterSoft, P::SunkenOuterSoft}},
    {{P::SunkenOuterSoft, P::RaisedOuterSoft, P::LightFrame},
     {P::SunkenOuterSoft, P::RaisedOuterSoft, P::LightFrame},
     {P::SunkenOuter, P::SunkenOuter}},
    {{P::SunkenOuter, P::RaisedInner},
     {P::SunkenOuter, P::RaisedInner, P::LightFrame},
     {P::SunkenOuter, P::SunkenOuter}},
    {{P::SunkenOuterSoft, P::RaisedOuterSoft},
     {P::SunkenOuterSoft, P::RaisedOuterSoft, P::LightFrame},
     {P::SunkenOuterSoft, P::SunkenOuterSoft}},
};

Pieces WithGap(Pieces pieces)
{
    pieces.insert(pieces.begin() + 1, P::Gap);
    return pieces;
}

StyleFrames FramesOf(TabcButtonStyle style)
{
    using S = TabcButtonStyle;
    switch (style) {
    case S::absAutoDetect: // the platform draws new-style controls
    case S::absNew:
        return {{P::RaisedOuterSoft, P::RaisedInnerBottomRightSoft},
                {P::RaisedOuterSoft, P::RaisedInnerBottomRightSoft},
                {P::SunkenEdgeSoft}};
    case S::absWin31:
        return {{P::MonoFlat, P::RaisedInner, P::RaisedInner},
                {P::MonoFlat, P::RaisedInner, P::RaisedInner},
                {P::MonoFlat, P::SunkenInnerTopLeftSoft}};
    case S::absThin:
        return {{P::RaisedInner}, {P::RaisedInner}, {P::SunkenOuter}};
    case S::absThinBlack:
        return {{P::RaisedOuterSoft}, {P::RaisedOuterSoft}, {P::SunkenOuterSoft}};
    case S::absThinGray:
        return {{P::LightFrame}, {P::LightFrame}, {P::DarkFrame}};
    case S::absThinHighlight:
        return {{P::RaisedInner}, {P::RaisedOuterSoft}, {P::SunkenOuterSoft}};
    case S::absMidHighlight:
        return {{P::RaisedInner},
                {P::RaisedOuterSoft, P::LightFrame},
                {P::SunkenOuterSoft, P::DarkFrame}};
    case S::absThickHighlight:
        return {{P::RaisedInner, P::BottomLine},
                {P::BottomLine, P::RaisedOuterSoft, P::LightFrame},
                {P::SunkenOuterSoft, P::DarkFrame}};
    default:
        break;
    }
    const int index = int(style) - int(S::absFramed);
    if (index < 5)
        return framedStyles[index];
    const StyleFrames& framed = framedStyles[index - 5];
    return {WithGap(framed.up), WithGap(framed.hot), framed.pressed};
}

void DrawPiece(TCanvas& canvas, QRect& rect, Piece piece)
{
    switch (piece) {
    case P::RaisedOuterSoft:
        return canvas.DrawEdge(rect, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
    case P::RaisedInner:
        return canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    case P::RaisedInnerBottomRightSoft:
        return canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_SOFT | BF_ADJUST);
    case P::SunkenEdgeSoft:
        return canvas.DrawEdge(rect, EDGE_SUNKEN, BF_RECT | BF_SOFT | BF_ADJUST);
    case P::SunkenOuter:
        return canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    case P::SunkenOuterSoft:
        return canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
    case P::SunkenInnerTopLeftSoft:
        return canvas.DrawEdge(rect, BDR_SUNKENINNER, BF_TOPLEFT | BF_SOFT | BF_ADJUST);
    case P::MonoFlat:
        return canvas.DrawEdge(rect, BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_MONO | BF_ADJUST);
    case P::LightFrame:
        return canvas.Frame3D(rect, TabcButtonFrame::frameLight, clBtnShadow, 1);
    case P::DarkFrame:
        return canvas.Frame3D(rect, clBtnShadow, TabcButtonFrame::frameLight, 1);
    case P::BottomLine: {
        const int y = rect.y() + rect.height() - 1;
        canvas.Pen()->SetColor(clBtnShadow);
        canvas.MoveTo(rect.x() - 1, y);
        canvas.LineTo(rect.x() + rect.width(), y);
        rect.setHeight(rect.height() - 1);
        return;
    }
    case P::Gap:
        rect.adjust(1, 1, -1, -1);
        return;
    }
}

} // namespace

void TabcButtonFrame::Draw(TCanvas& canvas, QRect& rect, TabcButtonStyle style, bool pressed,
                           bool hot, bool flat)
{
    if (flat && !pressed && !hot)
        return;
    const StyleFrames frames = FramesOf(style);
    const Pieces& pieces = pressed ? frames.pressed : hot ? frames.hot : frames.up;
    for (const Piece piece : pieces)
        DrawPiece(canvas, rect, piece);
}
