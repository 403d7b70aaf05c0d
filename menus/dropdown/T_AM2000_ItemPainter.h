#pragma once

#include "TColors.h"
#include "TControlTypes.h"
#include "T_AM2000_Types.h"

#include <QImage>
#include <QRect>

class TCanvas;
class TFont;
class TImageList;
class TMenuItem2000;
class T_AM2000_GlyphChoice;
class T_AM2000_MenuOptions;

// Draws one entry of a drop-down window (or of a menu bar) into its rectangle: the
// background, the glyph column with the glyph or the check mark, the texts and the
// submenu arrow, in the options' colours; separators draw their line instead.
class T_AM2000_ItemPainter {
public:
    // rightColumn: width of the aligned right-text column (used with mfStandardAlign).
    T_AM2000_ItemPainter(const T_AM2000_MenuOptions& options, const TFont& font,
                         const TImageList* images, int rightColumn = 0);

    // The whole entry for the draw state (bits of T_AM2000_DrawState). The item's
    // advanced-draw event, else its draw event, replaces all of it; otherwise its
    // OnBeforeDrawItem may cancel the built-in drawing.
    void Paint(TCanvas& canvas, const QRect& rect, TMenuItem2000& item, int state) const;

    // Texts underline their accelerator characters ("&&" stays a literal "&"); off (the
    // default), the markers are only left out.
    bool ShowUnderlines() const { return m_showUnderlines; }
    void SetShowUnderlines(bool show) { m_showUnderlines = show; }

    // Whether the gutter band is drawn, and the band of rect it covers.
    bool GutterShown() const;
    QRect GutterBand(const QRect& rect) const;
    // The glyph column of rect (the Left margin on the glyph side).
    QRect GlyphColumn(const QRect& rect) const;
    // Where the entry at rect in the draw state paints its embedded control: between the
    // glyph column and the right margin.
    QRect ControlArea(const QRect& rect, int state) const;
    // Fills rect with color, or with a 50 % dither of the menu colour and white when
    // color is clNone.
    void FillOrDither(TCanvas& canvas, const QRect& rect, TColor color) const;

private:
    TColor Color(int index) const;
    bool Flag(T_AM2000_Flag flag) const;
    bool Highlighted(int state) const;
    const QImage* SkinBackground(int state) const;
    // The part of rect that the background leaves to the entry's content.
    QRect InnerRect(const QRect& rect, int state) const;
    QRect ContentArea(const QRect& inner) const;
    // Runs the item's owner-draw event, when one is assigned; tells whether it ran.
    static bool PaintOwnerDrawn(TCanvas& canvas, const QRect& rect, TMenuItem2000& item, int state);
    void PaintContent(TCanvas& canvas, const QRect& rect, const TMenuItem2000& item,
                      int state) const;
    // Returns the rectangle the foreground is drawn in.
    QRect PaintBackground(TCanvas& canvas, const QRect& rect, TMenuItem2000& item, int state) const;
    void PaintSkinBackground(TCanvas& canvas, const QRect& rect, TMenuItem2000& item, int state,
                             const QImage& picture) const;
    void PaintSeparator(TCanvas& canvas, const QRect& rect, const TMenuItem2000& item,
                        int state) const;
    void PaintGlyphBox(TCanvas& canvas, const QRect& rect, int state, bool plain,
                       bool hasGlyph) const;
    void PaintGlyph(TCanvas& canvas, const QRect& rect, const T_AM2000_GlyphChoice& choice,
                    int state) const;
    void PaintPlainGlyph(TCanvas& canvas, QPoint at, QImage glyph, int state) const;
    void PaintCheckMark(TCanvas& canvas, const QRect& rect, int state) const;
    void PaintMarkImage(TCanvas& canvas, const QRect& column, const QImage& mark,
                        bool enabled) const;
    void PaintTexts(TCanvas& canvas, const QRect& rect, const TMenuItem2000& item, int state) const;
    void PaintTextInColors(TCanvas& canvas, QRect rect, const QString& text, TAlignment align,
                           int state) const;
    void PaintArrow(TCanvas& canvas, const QRect& rect, int state) const;
    TColor TextColor(int state) const;

    const T_AM2000_MenuOptions& m_options;
    const TFont& m_font;
    const TImageList* m_images;
    int m_rightColumn;
    bool m_showUnderlines = false;
};
