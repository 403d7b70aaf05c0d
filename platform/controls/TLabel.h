#pragma once

#include "TGraphicControl.h"

// A line or block of text. With AutoSize it takes the size its text needs (keeping
// its width when it wraps words); without Transparent it fills its colour behind it.
class TLabel : public TGraphicControl {
    T_CLASS_INFO
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout layout);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool value);

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void Loaded() override;

private:
    TTextFormats TextFormat() const;
    // The size the caption needs with the current font: width limit when wrapping.
    QRect TextBounds(int widthLimit) const;
    void AdjustBounds();

    TAlignment m_alignment = TAlignment::taLeftJustify;
    TTextLayout m_layout = TTextLayout::tlTop;
    bool m_autoSize = true;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_showAccelChar = true;
};
