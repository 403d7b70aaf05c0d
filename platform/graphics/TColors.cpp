#include "TColors.h"

#include <array>
#include <utility>

namespace {

// Classic default values of the system colours, by index.
constexpr std::array<quint32, 31> systemColors = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
};

constexpr std::pair<const char*, qint32> colorNames[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
    {"clNone", clNone},
    {"clDefault", clDefault},
};

} // namespace

quint32 TColors::ToRGB(TColor color)
{
    if (IsSystemColor(color)) {
        const quint32 index = quint32(color) & 0xFF;
        return index < systemColors.size() ? systemColors[index] : 0;
    }
    return quint32(color) & 0x00FFFFFF;
}

QColor TColors::ToQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    const quint32 rgb = ToRGB(color);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

TColor TColors::FromQColor(const QColor& color)
{
    return FromRGB(color.red(), color.green(), color.blue());
}

TColor TColors::FromRGB(int red, int green, int blue)
{
    return TColor((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

QString TColors::Name(TColor color)
{
    for (const auto& [name, value] : colorNames) {
        if (value == color)
            return QString::fromLatin1(name);
    }
    return QString();
}

bool TColors::FromName(const QString& name, TColor& color)
{
    for (const auto& [constant, value] : colorNames) {
        if (name.compare(QLatin1String(constant), Qt::CaseInsensitive) == 0) {
            color = TColor(value);
            return true;
        }
    }
    return false;
}

TLayoutValue TLayoutCodec<TColor>::Encode(TColor value)
{
    const QString name = TColors::Name(value);
    return name.isEmpty() ? TLayoutValue::Integer(value) : TLayoutValue::Identifier(name);
}

TColor TLayoutCodec<TColor>::Decode(const TLayoutValue& value)
{
    if (value.kind() == TLayoutValue::Kind::Integer)
        return TColor(qint32(value.integer()));
    TColor color = clNone;
    if (value.kind() == TLayoutValue::Kind::Identifier && TColors::FromName(value.text(), color))
        return color;
    layout_detail::Expected("a colour", value);
}
