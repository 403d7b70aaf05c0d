#include "TPen.h"

#include "TClassInfo.h"

const TClassInfo& TPen::StaticClassInfo()
{
    static const TClassInfo info("TPen", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
        c.Property("Color", &TPen::Color, &TPen::SetColor, clBlack);
        c.Property("Mode", &TPen::Mode, &TPen::SetMode, TPenMode::pmCopy);
        c.Property("Style", &TPen::Style, &TPen::SetStyle, TPenStyle::psSolid);
        c.Property("Width", &TPen::Width, &TPen::SetWidth, 1);
    });
    return info;
}

void TPen::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    Changed();
}

void TPen::Assign(const TPersistent* source)
{
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    if (*this == *pen)
        return;
    m_color = pen->m_color;
    m_width = pen->m_width;
    m_style = pen->m_style;
    m_mode = pen->m_mode;
    Changed();
}

bool TPen::operator==(const TPen& other) const
{
    return m_color == other.m_color && m_width == other.m_width && m_style == other.m_style &&
           m_mode == other.m_mode;
}

void TPen::Changed()
{
    if (OnChange)
        OnChange();
}
