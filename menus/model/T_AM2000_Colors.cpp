#include "T_AM2000_Colors.h"

#include "T_AM2000_UpdatingScope.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr T_AM2000_Colors::Values colorDefaults = {
    clMenu,          clBtnShadow, clBtnShadow,    clMenu,      clMenuText,     clHighlight,
    clHighlightText, clBtnShadow, clBtnHighlight, clBtnShadow, clBtnHighlight, clBtnHighlight,
    clBtnShadow,     clNone,      clMenuText,     clNone,      clHighlight,    clHighlightText,
    clBtnShadow,     clHighlight, clHighlight,    clMenu,
};

constexpr std::array<const char*, T_AM2000_Colors::PublishedCount> colorNames = {
    "Border",        "Bevel",        "BevelShadow",    "Menu",   "MenuText",   "Highlight",
    "HighlightText", "DisabledText", "DisabledShadow", "Line",   "LineShadow", "Frame",
    "FrameShadow",   "Sunken",       "SunkenText",     "Gutter", "Pressed",    "PressedText",
};

bool IsRealColor(TColor color)
{
    return color != clNone && color != clDefault;
}

int Channel(quint32 rgb, int shift)
{
    return int((rgb >> shift) & 0xFF);
}

} // namespace

const TClassInfo& T_AM2000_Colors::StaticClassInfo()
{
    static const TClassInfo info("T_AM2000_Colors", &T_AM2000_OptionGroup::StaticClassInfo(),
                                 [](TClassInfo& c) { DeclareSlots(c, colorNames, colorDefaults); });
    return info;
}

T_AM2000_Colors::T_AM2000_Colors(T_AM2000_Options* options)
    : T_AM2000_SlotGroup(options, T_AM2000_GroupKind::Colors, colorDefaults)
{}

void T_AM2000_Colors::Assign(const TPersistent* source)
{
    const auto* colors = dynamic_cast<const T_AM2000_Colors*>(source);
    if (!colors) {
        TPersistent::Assign(source);
        return;
    }
    CopyValues(*colors);
    m_soft = colors->m_soft;
}

TColor T_AM2000_Colors::BlendColor(TColor a, TColor b, double x)
{
    if (!IsRealColor(a) || !IsRealColor(b) || x == 0)
        return a;
    const quint32 from = TColors::ToRGB(a);
    const quint32 to = TColors::ToRGB(b);
    int blended[3];
    for (int i = 0; i < 3; ++i) {
        const int start = Channel(from, 8 * i);
        blended[i] = std::clamp(start + int(std::lround((Channel(to, 8 * i) - start) / x)), 0, 255);
    }
    return TColors::FromRGB(blended[0], blended[1], blended[2]);
}

// Each step uses the values the steps before it changed.
void T_AM2000_Colors::MakeSoft()
{
    if (m_soft)
        return;
    T_AM2000_UpdatingScope updating;
    m_soft = true;
    const auto blend = [this](int target, int from, int towards, double x) {
        SetValueAt(target, BlendColor(ValueAt(from), ValueAt(towards), x));
    };
    SetValueAt(Frame, ValueAt(Highlight));
    SetValueAt(FrameShadow, ValueAt(Highlight));
    blend(Menu, Menu, DisabledText, 15);
    blend(Border, Border, DisabledText, 15);
    blend(Highlight, Highlight, Menu, 1.4);
    blend(Line, Line, Menu, 3.13);
    blend(Bevel, Bevel, MenuText, 4.5);
    blend(BevelShadow, BevelShadow, MenuText, 4.5);
    if (ValueAt(LineShadow) != clNone)
        blend(LineShadow, LineShadow, Menu, 3.13);
    if (ValueAt(Gutter) != clNone)
        blend(Gutter, DisabledText, Menu, 1.5);
    if (ValueAt(Sunken) != clNone)
        blend(Sunken, Sunken, Menu, 1.3);
    blend(GlyphShadow, GlyphShadow, Frame, 3);
    SetValueAt(DerivedMenu, ValueAt(Highlight));
    blend(CheckFill, Highlight, Menu, 1.8);
    blend(CheckFillSelected, Highlight, Frame, 2);
}
