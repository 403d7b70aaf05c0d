#include "TEdgePainter.h"

#include "TEdgeFlags.h"

#include <QPainter>
#include <vector>

namespace {

// The colours of one ring of a 3-D edge: left and top, right and bottom.
struct EdgeRing {
    TColor topLeft;
    TColor bottomRight;
};

EdgeRing RingOf(unsigned border, bool soft)
{
    switch (border) {
    case BDR_RAISEDOUTER:
        return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    case BDR_SUNKENOUTER:
        return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
    case BDR_RAISEDINNER:
        return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
    default: // BDR_SUNKENINNER
        return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
    }
}

// The border an edge has in one place (outer or inner), raised winning; 0 for none.
unsigned BorderIn(unsigned edge, unsigned raised, unsigned sunken)
{
    return edge & raised ? raised : edge & sunken;
}

// The rings an edge draws, outermost first.
std::vector<EdgeRing> RingsOf(unsigned edge, unsigned flags)
{
    if ((flags & BF_FLAT) && (flags & BF_MONO))
        return {{clWindowFrame, clWindowFrame}};
    std::vector<EdgeRing> rings;
    for (const unsigned border : {BorderIn(edge, BDR_RAISEDOUTER, BDR_SUNKENOUTER),
                                  BorderIn(edge, BDR_RAISEDINNER, BDR_SUNKENINNER)}) {
        if (border == 0)
            continue;
        if (!(flags & BF_FLAT))
            rings.push_back(RingOf(border, flags & BF_SOFT));
        else if (rings.empty())
            rings.push_back({clBtnShadow, clBtnShadow});
        else
            rings.push_back({clBtnFace, clBtnFace});
    }
    return rings;
}

} // namespace

void TEdgePainter::Frame3D(QPainter& painter, QRect& rect, TColor topColor, TColor bottomColor,
                           int width)
{
    const QColor top = TColors::ToQColor(topColor);
    const QColor bottom = TColors::ToQColor(bottomColor);
    for (; width > 0 && !rect.isEmpty(); --width) {
        const int l = rect.x(), t = rect.y(), w = rect.width(), h = rect.height();
        painter.fillRect(QRect(l, t, w - 1, 1), top);            // top edge
        painter.fillRect(QRect(l, t + 1, 1, h - 2), top);        // left edge
        painter.fillRect(QRect(l + w - 1, t, 1, h), bottom);     // right edge
        painter.fillRect(QRect(l, t + h - 1, w - 1, 1), bottom); // bottom edge
        rect.adjust(1, 1, -1, -1);
    }
}

void TEdgePainter::DrawEdge(QPainter& painter, QRect& rect, unsigned edge, unsigned flags)
{
    QRect ring = rect;
    for (const EdgeRing& colours : RingsOf(edge, flags)) {
        if (ring.isEmpty())
            break;
        const int l = ring.x(), t = ring.y(), w = ring.width(), h = ring.height();
        const QColor topLeft = TColors::ToQColor(colours.topLeft);
        const QColor bottomRight = TColors::ToQColor(colours.bottomRight);
        if (flags & BF_TOP)
            painter.fillRect(QRect(l, t, w, 1), topLeft);
        if (flags & BF_LEFT)
            painter.fillRect(QRect(l, t, 1, h), topLeft);
        if (flags & BF_RIGHT)
            painter.fillRect(QRect(l + w - 1, t, 1, h), bottomRight);
        if (flags & BF_BOTTOM)
            painter.fillRect(QRect(l, t + h - 1, w, 1), bottomRight);
        ring.adjust(flags & BF_LEFT ? 1 : 0, flags & BF_TOP ? 1 : 0, flags & BF_RIGHT ? -1 : 0,
                    flags & BF_BOTTOM ? -1 : 0);
    }
    if (flags & BF_ADJUST)
        rect = ring;
}
