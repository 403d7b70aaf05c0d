#include "TabcCustomEdgePanel.h"

#include "TClassInfo.h"

const TClassInfo& TabcCustomEdgePanel::StaticClassInfo()
{
    static const TClassInfo info("TabcCustomEdgePanel", &TPanel::StaticClassInfo(),
                                 [](TClassInfo& c) {
                                     c.Property("BevelEdges", &TabcCustomEdgePanel::BevelEdges,
                                                &TabcCustomEdgePanel::SetBevelEdges, AllEdges());
                                 });
    return info;
}

TabcCustomEdgePanel::TabcCustomEdgePanel(TComponent* owner)
    : TPanel(owner)
{}

TabcBevelEdges TabcCustomEdgePanel::AllEdges()
{
    return {TabcBevelEdge::beLeft, TabcBevelEdge::beTop, TabcBevelEdge::beRight,
            TabcBevelEdge::beBottom};
}

void TabcCustomEdgePanel::SetBevelEdges(TabcBevelEdges edges)
{
    if (edges == m_bevelEdges)
        return;
    m_bevelEdges = edges;
    Invalidate();
}

void TabcCustomEdgePanel::Paint()
{
    if (m_bevelEdges == AllEdges()) {
        TPanel::Paint();
        return;
    }
    TCanvas& canvas = *Canvas();
    QRect rect = ClientRect();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(rect);
    DrawBevel(rect, BevelOuter());
    rect.adjust(BorderWidth(), BorderWidth(), -BorderWidth(), -BorderWidth());
    DrawBevel(rect, BevelInner());
    DrawCaption(rect);
}

// A bevel of BevelWidth rings, each drawing only the selected edges.
void TabcCustomEdgePanel::DrawBevel(QRect& rect, TBevelCut cut)
{
    if (cut == TBevelCut::bvNone)
        return;
    const bool raised = cut == TBevelCut::bvRaised;
    const TColor first = raised ? clBtnHighlight : clBtnShadow;
    const TColor second = raised ? clBtnShadow : clBtnHighlight;
    TCanvas& canvas = *Canvas();
    for (int ring = 0; ring < BevelWidth() && !rect.isEmpty(); ++ring) {
        const int l = rect.x(), t = rect.y();
        const int r = rect.x() + rect.width() - 1, b = rect.y() + rect.height() - 1;
        const auto line = [&](TColor color, int x0, int y0, int x1, int y1) {
            canvas.Pen()->SetColor(color);
            canvas.MoveTo(x0, y0);
            canvas.LineTo(x1, y1);
        };
        if (m_bevelEdges.Contains(TabcBevelEdge::beLeft))
            line(first, l, b, l, t - 1);
        if (m_bevelEdges.Contains(TabcBevelEdge::beTop))
            line(first, l, t, r + 1, t);
        if (m_bevelEdges.Contains(TabcBevelEdge::beRight))
            line(second, r, t, r, b + 1);
        if (m_bevelEdges.Contains(TabcBevelEdge::beBottom))
            line(second, l, b, r + 1, b);
        rect.adjust(1, 1, -1, -1);
    }
}

// The caption in a band one text line high, centred vertically, placed by Alignment.
void TabcCustomEdgePanel::DrawCaption(const QRect& rect)
{
    if (Caption().isEmpty())
        return;
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const int lineHeight = canvas.TextHeight(QStringLiteral("W"));
    QRect band(rect.x(), rect.y() + (rect.height() - lineHeight) / 2, rect.width(), lineHeight);
    TTextFormats format = {TTextFormat::tfExpandTabs, TTextFormat::tfSingleLine,
                           TTextFormat::tfVerticalCenter};
    format.Include(Alignment() == TAlignment::taCenter         ? TTextFormat::tfCenter
                   : Alignment() == TAlignment::taRightJustify ? TTextFormat::tfRight
                                                               : TTextFormat::tfLeft);
    QString text = Caption();
    canvas.TextRect(band, text, format);
}
