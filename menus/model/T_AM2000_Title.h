#pragma once

#include "TBitmap.h"
#include "TColors.h"
#include "TControlTypes.h"
#include "T_AM2000_OptionGroup.h"
#include "T_AM2000_TitleFont.h"

#include <memory>

// The title strip along one edge of a drop-down window: text, font, gradient colours,
// width and an optional bitmap. Painting keeps the rendered strip here; any change of a
// title property drops it so that it is rendered again.
class T_AM2000_Title : public T_AM2000_OptionGroup {
    T_CLASS_INFO
public:
    static constexpr TColor DefaultColorBegin = clBlue;
    static constexpr TColor DefaultColorEnd = clBlack;
    static constexpr int DefaultWidth = 50; // pixels

    explicit T_AM2000_Title(T_AM2000_Options* options = nullptr);
    ~T_AM2000_Title() override;

    T_AM2000_TitleAlign Align() const { return m_align; }
    void SetAlign(T_AM2000_TitleAlign align);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    const QString& Text() const { return m_text; }
    void SetText(const QString& text);
    // Owned by the title; its changes count as title changes.
    T_AM2000_TitleFont* Font() const { return m_font.get(); }
    TColor ColorBegin() const { return m_colorBegin; }
    void SetColorBegin(TColor color);
    TColor ColorEnd() const { return m_colorEnd; }
    void SetColorEnd(TColor color);
    int Width() const { return m_width; }
    void SetWidth(int width);
    // True: the text runs from bottom to top.
    bool TextDirection() const { return m_textDirection; }
    void SetTextDirection(bool bottomToTop);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // Owned by the title; its changes count as title changes.
    TBitmap* Bitmap() const { return m_bitmap.get(); }
    void SetBitmap(const TBitmap* bitmap);
    T_AM2000_Gradient Gradient() const { return m_gradient; }
    void SetGradient(T_AM2000_Gradient gradient);

    bool IsDefault() const override;
    bool operator==(const T_AM2000_Title& other) const;
    // Copies every title property of another title, without notification.
    void Assign(const TPersistent* source) override;

    // The rendered strip that painting left here, or nullptr after a change.
    const TBitmap* CachedStrip() const { return m_strip.get(); }
    void SetCachedStrip(std::unique_ptr<TBitmap> strip) const { m_strip = std::move(strip); }

private:
    void TitleChanged();

    T_AM2000_TitleAlign m_align = T_AM2000_TitleAlign::atLeft;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    QString m_text;
    std::unique_ptr<T_AM2000_TitleFont> m_font;
    TColor m_colorBegin = DefaultColorBegin;
    TColor m_colorEnd = DefaultColorEnd;
    int m_width = DefaultWidth;
    bool m_textDirection = true;
    bool m_visible = false;
    std::unique_ptr<TBitmap> m_bitmap;
    T_AM2000_Gradient m_gradient = T_AM2000_Gradient::grTopToBottom;
    mutable std::unique_ptr<TBitmap> m_strip;
};
