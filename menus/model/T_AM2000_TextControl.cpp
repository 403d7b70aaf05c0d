#include "T_AM2000_TextControl.h"

#include "TClassInfo.h"

const TClassInfo& T_AM2000_TextControl::StaticClassInfo()
{
    using T = T_AM2000_TextControl;
    static const TClassInfo info(
        "T_AM2000_TextControl", &T_AM2000_MenuControl::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("Color", &T::Color, &T::SetColor, clNone);
            c.Property("HighlightColor", &T::HighlightColor, &T::SetHighlightColor, clNone);
            c.Object("Font", &T::Font);
            c.Object("HighlightFont", &T::HighlightFont);
            c.Property("ParentFontName", &T::ParentFontName, &T::SetParentFontName, true);
            c.Property("ParentFontSize", &T::ParentFontSize, &T::SetParentFontSize, true);
            c.Property("IgnoreMargins", &T::IgnoreMargins, &T::SetIgnoreMargins, false);
        });
    return info;
}

T_AM2000_TextControl::T_AM2000_TextControl()
    : m_font(std::make_unique<TFont>())
    , m_highlightFont(std::make_unique<TFont>())
{
    m_font->OnChange = [this] { Changed(); };
    m_highlightFont->OnChange = [this] { Changed(); };
}

T_AM2000_TextControl::~T_AM2000_TextControl() = default;
