#pragma once

#include "TCustomControl.h"

// A container with an outer and an inner bevel, a border between them, and a caption.
// Aligned children share what the bevels and the border leave.
class TPanel : public TCustomControl {
    T_CLASS_INFO
public:
    explicit TPanel(TComponent* owner);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut cut);
    // Bevel and border widths in pixels.
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);

protected:
    QRect AlignRect() const override;
    void Paint() override;

private:
    void Changed();
    void DrawBevel(QRect& rect, TBevelCut cut);

    TAlignment m_alignment = TAlignment::taCenter;
    TBevelCut m_bevelInner = TBevelCut::bvNone;
    TBevelCut m_bevelOuter = TBevelCut::bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
};
