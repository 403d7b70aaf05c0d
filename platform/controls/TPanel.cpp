#include "TPanel.h"

#include "TClassInfo.h"

const TClassInfo& TPanel::StaticClassInfo()
{
    static const TClassInfo info("TPanel", &TCustomControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TPanel>();
        c.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, TAlignment::taCenter);
        c.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, TBevelCut::bvNone);
        c.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, TBevelCut::bvRaised);
        c.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1);
        c.Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth, 0);
        c.Property("Caption", &TPanel::Caption, &TPanel::SetCaption, QString());
    });
    return info;
}

TPanel::TPanel(TComponent* owner)
    : TCustomControl(owner)
{
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TPanel::SetBevelInner(TBevelCut cut)
{
    if (cut == m_bevelInner)
        return;
    m_bevelInner = cut;
    Changed();
}

void TPanel::SetBevelOuter(TBevelCut cut)
{
    if (cut == m_bevelOuter)
        return;
    m_bevelOuter = cut;
    Changed();
}

void TPanel::SetBevelWidth(int width)
{
    width = std::max(1, width);
    if (width == m_bevelWidth)
        return;
    m_bevelWidth = width;
    Changed();
}

void TPanel::SetBorderWidth(int width)
{
    width = std::max(0, width);
    if (width == m_borderWidth)
        return;
    m_borderWidth = width;
    Changed();
}

QRect TPanel::AlignRect() const
{
    int inset = m_borderWidth;
    if (m_bevelOuter != TBevelCut::bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != TBevelCut::bvNone)
        inset += m_bevelWidth;
    return ClientRect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::Paint()
{
    TCanvas* canvas = Canvas();
    QRect rect = ClientRect();
    DrawBevel(rect, m_bevelOuter);
    canvas->Frame3D(rect, Color(), Color(), m_borderWidth);
    DrawBevel(rect, m_bevelInner);
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rect);
    if (Caption().isEmpty())
        return;
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    QString text = Caption();
    TTextFormats format{TTextFormat::tfVerticalCenter, TTextFormat::tfSingleLine};
    if (m_alignment == TAlignment::taCenter)
        format.Include(TTextFormat::tfCenter);
    else if (m_alignment == TAlignment::taRightJustify)
        format.Include(TTextFormat::tfRight);
    canvas->TextRect(rect, text, format);
}

void TPanel::Changed()
{
    Realign();
    update();
}

void TPanel::DrawBevel(QRect& rect, TBevelCut cut)
{
    if (cut == TBevelCut::bvNone)
        return;
    const bool lowered = cut == TBevelCut::bvLowered;
    const TColor top = lowered ? clBtnShadow : clBtnHighlight;
    const TColor bottom = lowered ? clBtnHighlight : clBtnShadow;
    if (cut == TBevelCut::bvSpace)
        Canvas()->Frame3D(rect, Color(), Color(), m_bevelWidth);
    else
        Canvas()->Frame3D(rect, top, bottom, m_bevelWidth);
}
