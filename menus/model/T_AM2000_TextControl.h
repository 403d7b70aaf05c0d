#pragma once

#include "TColors.h"
#include "TFont.h"
#include "T_AM2000_MenuControl.h"

#include <memory>

// Styled text inside an item, with its own colours and fonts for the normal and the
// selected look.
class T_AM2000_TextControl : public T_AM2000_MenuControl {
    T_CLASS_INFO
public:
    T_AM2000_TextControl();
    ~T_AM2000_TextControl() override;

    TColor Color() const { return m_color; }
    void SetColor(TColor color) { Update(m_color, color); }
    TColor HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(TColor color) { Update(m_highlightColor, color); }
    // Owned by the control.
    TFont* Font() const { return m_font.get(); }
    TFont* HighlightFont() const { return m_highlightFont.get(); }
    // Take the face name and the size from the menu's font instead.
    bool ParentFontName() const { return m_parentFontName; }
    void SetParentFontName(bool parent) { Update(m_parentFontName, parent); }
    bool ParentFontSize() const { return m_parentFontSize; }
    void SetParentFontSize(bool parent) { Update(m_parentFontSize, parent); }
    // Draw over the whole item, margins included.
    bool IgnoreMargins() const { return m_ignoreMargins; }
    void SetIgnoreMargins(bool ignore) { Update(m_ignoreMargins, ignore); }

private:
    TColor m_color = clNone;
    TColor m_highlightColor = clNone;
    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TFont> m_highlightFont;
    bool m_parentFontName = true;
    bool m_parentFontSize = true;
    bool m_ignoreMargins = false;
};
