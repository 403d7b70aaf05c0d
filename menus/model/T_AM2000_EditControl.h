#pragma once

#include "TColors.h"
#include "T_AM2000_MenuControl.h"

#include <QString>

// An edit box inside an item.
class T_AM2000_EditControl : public T_AM2000_MenuControl {
    T_CLASS_INFO
public:
    static constexpr int BoxInset = 1;
    static constexpr int TextIndent = 2; // inside the frame
    // A box in Color, framed in the button shadow colour, over the item's height less
    // BoxInset at top and bottom, with Text at its left.
    bool Paint(TCanvas& canvas, const QRect& rect, bool selected) const override;
    // The part of the control's area inside the box's frame, where the text is.
    static QRect TextBox(const QRect& area);

    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { Update(m_autoSelect, autoSelect); }
    TColor Color() const { return m_color; }
    void SetColor(TColor color) { Update(m_color, color); }
    // Characters; 0 is no limit.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length) { Update(m_maxLength, length); }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { Update(m_readOnly, readOnly); }
    const QString& Text() const { return m_text; }
    void SetText(const QString& text) { Update(m_text, text); }
    // Pixels.
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int width) { Update(m_minWidth, width); }

private:
    bool m_autoSelect = true;
    TColor m_color = clWindow;
    int m_maxLength = 0;
    bool m_readOnly = false;
    QString m_text;
    int m_minWidth = 0;
};
