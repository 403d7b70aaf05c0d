#include "T_AM2000_TitleFont.h"

#include "TClassInfo.h"

namespace {

constexpr int defaultCharset = 1; // DEFAULT_CHARSET
constexpr int defaultPoints = 24;

const QString& DefaultName()
{
    static const QString name = QStringLiteral("Arial");
    return name;
}

int DefaultTitleHeight()
{
    TFont font;
    font.SetSize(defaultPoints);
    return font.Height();
}

} // namespace

// The class information stands beside TFont's rather than below it: a derived class
// would publish the same names twice.
const TClassInfo& T_AM2000_TitleFont::StaticClassInfo()
{
    static const TClassInfo info(
        "T_AM2000_TitleFont", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("Charset", &TFont::Charset, &TFont::SetCharset, defaultCharset);
            c.Property("Color", &TFont::Color, &TFont::SetColor, clWhite);
            c.Property("Height", &TFont::Height, &TFont::SetHeight, DefaultTitleHeight());
            c.Property("Name", &TFont::Name, &TFont::SetName, DefaultName());
            c.Property("Style", &TFont::Style, &TFont::SetStyle, TFontStyles{TFontStyle::fsBold});
        });
    return info;
}

T_AM2000_TitleFont::T_AM2000_TitleFont()
{
    SetName(DefaultName());
    SetSize(defaultPoints);
    SetStyle({TFontStyle::fsBold});
    SetColor(clWhite);
    SetCharset(defaultCharset);
}

bool T_AM2000_TitleFont::IsDefault() const
{
    return *this == T_AM2000_TitleFont();
}
