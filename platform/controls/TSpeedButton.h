#pragma once

#include "TBitmap.h"
#include "TGraphicControl.h"

#include <optional>

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
T_ENUM_NAMES(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom");

// A button without a window and without focus: a glyph and a caption on a button face.
// A flat button shows its raised edge only while the pointer is over it. Buttons of
// one GroupIndex (not 0) stay down until another of the group goes down.
class TSpeedButton : public TGraphicControl {
    T_CLASS_INFO
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    TBitmap* Glyph() const { return m_glyph.get(); }
    // Copies the bitmap's content into the button's own glyph.
    void SetGlyph(const TBitmap* glyph);
    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value) { m_groupIndex = value; }
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value) { m_allowAllUp = value; }
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    // Pixels from the edge to the glyph; -1 centres glyph and caption together.
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    // Pixels between glyph and caption.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    // How many images the glyph holds side by side (up, disabled, down, exclusive).
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    // Whether the pointer is over the button (the hot look of a flat button).
    bool MouseInControl() const { return m_mouseInControl; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter() override;
    void CMMouseLeave() override;
    void FontChanged() override;
    void TextChanged() override;

private:
    enum class State { Up, Down, Exclusive };
    bool ShowsPressed() const { return m_state != State::Up; }
    void DrawFrame(QRect& rect);
    // Where glyph and caption go inside rect, as the layout, margin and spacing say.
    void PlaceContent(const QRect& rect, QPoint& glyphAt, QRect& textRect) const;
    // The caption's size in the button's font, measured once per caption and font.
    QSize CaptionExtent() const;
    void DrawGlyph(QPoint at);
    void ReleaseGroup();

    std::unique_ptr<TBitmap> m_glyph;
    bool m_flat = false;
    bool m_down = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    int m_numGlyphs = 1;
    bool m_transparent = true;
    State m_state = State::Up;
    bool m_dragging = false;
    bool m_mouseInControl = false;
    mutable std::optional<QSize> m_captionExtent;
};
