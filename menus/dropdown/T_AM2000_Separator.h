#pragma once

#include "TColors.h"

#include <QRect>
#include <QString>

class TCanvas;
class TFont;

// A separator entry: the caption's first character after the hyphen picks the line
// style, the rest (after the leading run of that character) is its label.
class T_AM2000_Separator {
public:
    enum Style {
        Single,    // one line
        Double,    // "=": two lines two pixels apart
        Dotted,    // ".": 2 x 2 squares every 4 pixels
        Checkered, // ":": two rows of squares, the second 3 pixels right and down
        Blank,     // " ": no line
    };

    // How the line looks; colours may be clNone (left out).
    struct Look {
        TColor line = clBtnShadow;
        TColor lineShadow = clBtnHighlight;
        TColor menu = clMenu;    // where an xp line fades from
        int indent = 14;         // pixels at both ends
        int gutter = 0;          // extra indent on the glyph side
        bool fade = false;       // an xp single line fades in and out
        bool hiddenArea = false; // the line colour mixes with white
    };

    // Whether a caption makes an item a separator: it begins with a hyphen.
    static bool IsSeparator(const QString& caption);
    // The text after the leading hyphen.
    explicit T_AM2000_Separator(const QString& caption);

    Style LineStyle() const { return m_style; }
    const QString& Label() const { return m_label; }
    // The separator's height from the Separator margin.
    int Height(int separatorMargin) const;

    // Draws the line and the label into rect (the background is drawn already); the
    // label uses font one point smaller.
    void Paint(TCanvas& canvas, const QRect& rect, const Look& look, const TFont& font) const;

    // The line colour inside a hidden area: each channel halfway to white.
    static TColor HiddenAreaColor(TColor line);
    // The colour of pixel position of length pixels of a fading line.
    static TColor FadeColor(TColor from, TColor to, int position, int length);

private:
    void PaintLine(TCanvas& canvas, int x0, int x1, int y, TColor color, const Look& look) const;
    QRect LabelRect(TCanvas& canvas, const QRect& rect) const;

    QString m_text;
    Style m_style = Single;
    QString m_label;
};
