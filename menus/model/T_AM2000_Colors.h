#pragma once

#include "TColors.h"
#include "T_AM2000_SlotGroup.h"

// The colours of a drop-down window: 22 slots addressed by index 1..22. Slots 1..18 are
// published under their names; 19..22 are derived colours that painting uses (glyph
// shadow, check-box fill, check-box fill of the selected item, menu colour) and that
// soft colours recompute.
class T_AM2000_Colors : public T_AM2000_SlotGroup<TColor, 22> {
    T_CLASS_INFO
public:
    enum Index : int {
        Border = 1,
        Bevel,
        BevelShadow,
        Menu,
        MenuText,
        Highlight,
        HighlightText,
        DisabledText,
        DisabledShadow,
        Line,
        LineShadow,
        Frame,
        FrameShadow,
        Sunken,
        SunkenText,
        Gutter,
        Pressed,
        PressedText,
        GlyphShadow,
        CheckFill,
        CheckFillSelected,
        DerivedMenu,
    };
    static constexpr int PublishedCount = 18;

    explicit T_AM2000_Colors(T_AM2000_Options* options = nullptr);

    // Copies the colours and the soft mark of another colour group, without notification.
    void Assign(const TPersistent* source) override;

    // Converts the colours once to the soft palette; later calls do nothing. Done under
    // the updating counter: the owner is not told and keeps its Parent flag.
    void MakeSoft();
    bool IsSoft() const { return m_soft; }

    // Per channel a + round((b - a) / x) on the RGB values of a and b; a itself when a or
    // b is no real colour (clNone, clDefault) or x is 0.
    static TColor BlendColor(TColor a, TColor b, double x);

private:
    bool m_soft = false;
};
