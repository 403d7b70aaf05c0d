#include "TBrush.h"

#include "TBitmap.h"
#include "TClassInfo.h"

const TClassInfo& TBrush::StaticClassInfo()
{
    static const TClassInfo info("TBrush", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
        c.Property("Color", &TBrush::Color, &TBrush::SetColor, clWhite);
        c.Property("Style", &TBrush::Style, &TBrush::SetStyle, TBrushStyle::bsSolid);
    });
    return info;
}

void TBrush::SetColor(TColor color)
{
    if (color == m_color && m_style != TBrushStyle::bsClear)
        return;
    m_color = color;
    if (m_style == TBrushStyle::bsClear)
        m_style = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    Changed();
}

void TBrush::SetBitmap(TBitmap* bitmap)
{
    if (bitmap == m_bitmap && !bitmap)
        return;
    m_bitmap = bitmap;
    m_pattern = bitmap && !bitmap->Empty() ? bitmap->Image().convertToFormat(QImage::Format_RGB32)
                                           : QImage();
    Changed();
}

void TBrush::Assign(const TPersistent* source)
{
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    if (*this == *brush)
        return;
    m_color = brush->m_color;
    m_style = brush->m_style;
    m_bitmap = brush->m_bitmap;
    m_pattern = brush->m_pattern;
    Changed();
}

bool TBrush::operator==(const TBrush& other) const
{
    return m_color == other.m_color && m_style == other.m_style && m_bitmap == other.m_bitmap &&
           m_pattern.cacheKey() == other.m_pattern.cacheKey();
}

void TBrush::Changed()
{
    if (OnChange)
        OnChange();
}
