#include "TFont.h"

#include "TClassInfo.h"

#include <cmath>

namespace {
const QString defaultFontName = QStringLiteral("MS Sans Serif");
}

const TClassInfo& TFont::StaticClassInfo()
{
    static const TClassInfo info("TFont", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
        c.Property("Charset", &TFont::Charset, &TFont::SetCharset, 1);
        c.Property("Color", &TFont::Color, &TFont::SetColor, clWindowText);
        c.Property("Height", &TFont::Height, &TFont::SetHeight, DefaultHeight);
        c.Property("Name", &TFont::Name, &TFont::SetName, defaultFontName);
        c.Property("Style", &TFont::Style, &TFont::SetStyle, TFontStyles());
    });
    return info;
}

TFont::TFont()
    : m_name(defaultFontName)
{}

void TFont::SetName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == m_height)
        return;
    m_height = height;
    Changed();
}

int TFont::Size() const
{
    return -int(std::lround(m_height * 72.0 / 96.0));
}

void TFont::SetSize(int points)
{
    SetHeight(-int(std::lround(points * 96.0 / 72.0)));
}

void TFont::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == m_style)
        return;
    m_style = style;
    Changed();
}

void TFont::SetCharset(int charset)
{
    if (charset == m_charset)
        return;
    m_charset = charset;
    Changed();
}

void TFont::Assign(const TPersistent* source)
{
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    if (*this == *font)
        return;
    m_name = font->m_name;
    m_height = font->m_height;
    m_color = font->m_color;
    m_style = font->m_style;
    m_charset = font->m_charset;
    Changed();
}

bool TFont::operator==(const TFont& other) const
{
    return m_name == other.m_name && m_height == other.m_height && m_color == other.m_color &&
           m_style == other.m_style && m_charset == other.m_charset;
}

QFont TFont::ToQFont() const
{
    QFont font(m_name);
    // A negative height is the character height; a positive one includes the internal
    // leading, which for the faces used here is close to a fifth of the cell.
    const int pixels = m_height < 0 ? -m_height : std::max(1, m_height * 4 / 5);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(m_style.Contains(TFontStyle::fsBold));
    font.setItalic(m_style.Contains(TFontStyle::fsItalic));
    font.setUnderline(m_style.Contains(TFontStyle::fsUnderline));
    font.setStrikeOut(m_style.Contains(TFontStyle::fsStrikeOut));
    // Small text is drawn unsmoothed: Song-style CJK faces carry hand-tuned bitmap
    // strikes for these sizes, which FreeType uses only for unsmoothed text. They are
    // crisper than smoothed outlines at this size and far cheaper to load.
    if (pixels <= LargestUnsmoothedPixelSize)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}
