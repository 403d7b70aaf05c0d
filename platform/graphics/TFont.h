#pragma once

#include "TColors.h"
#include "TPersistent.h"
#include "TSet.h"

#include <QFont>
#include <functional>

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
T_ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut");
using TFontStyles = TSet<TFontStyle>;

// A text font: face name, height in pixels (negative: character height, as layouts
// write it; positive: cell height), colour, style and character set. Setters tell the
// owner through OnChange so that it can repaint.
class TFont : public TPersistent {
    T_CLASS_INFO
public:
    static constexpr int DefaultHeight = -11;

    TFont();

    const QString& Name() const { return m_name; }
    void SetName(const QString& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    // Size in points at 96 pixels per inch.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    int Charset() const { return m_charset; }
    void SetCharset(int charset);

    void Assign(const TPersistent* source) override;
    bool operator==(const TFont& other) const;

    // The Qt font for drawing; the face name goes through the application's font
    // substitutions ("宋体" to a Song-style CJK face).
    QFont ToQFont() const;
    // Text up to this character height in pixels is drawn without smoothing.
    static constexpr int LargestUnsmoothedPixelSize = 16;

    std::function<void()> OnChange;

private:
    void Changed();

    QString m_name;
    int m_height = DefaultHeight;
    TColor m_color = clWindowText;
    TFontStyles m_style;
    int m_charset = 1; // DEFAULT_CHARSET
};
