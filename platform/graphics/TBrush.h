#pragma once

#include "TColors.h"
#include "TPersistent.h"

#include <QImage>
#include <functional>

class TBitmap;

// Fill styles of a brush: solid, clear (no fill), and the six hatches. Hatch lines are
// drawn in the brush colour over the pixels that are already there.
enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
T_ENUM_NAMES(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
             "bsBDiagonal", "bsCross", "bsDiagCross");

// The brush of a canvas: fills the inside of figures, rectangles and the background of
// text. A brush with a bitmap is a pattern brush: the bitmap's pixels repeat from the
// device's origin, whatever Style and Color say.
//
// Bitmap: the brush does not own the bitmap. SetBitmap takes a copy of its pixels (as
// the system's pattern brushes do), so later changes of the bitmap do not reach the
// brush; the pointer is kept only for Bitmap() and must not be used after the bitmap
// is freed. Setting nullptr ends the pattern.
class TBrush : public TPersistent {
    T_CLASS_INFO
public:
    TBrush() = default;

    TColor Color() const { return m_color; }
    // Also ends a bsClear style, which becomes bsSolid (a colour is meant to be seen).
    void SetColor(TColor color);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style);
    TBitmap* Bitmap() const { return m_bitmap; }
    void SetBitmap(TBitmap* bitmap);
    // The pattern pixels of a pattern brush; a null image otherwise.
    const QImage& Pattern() const { return m_pattern; }

    void Assign(const TPersistent* source) override;
    bool operator==(const TBrush& other) const;

    std::function<void()> OnChange;

private:
    void Changed();

    TColor m_color = clWhite;
    TBrushStyle m_style = TBrushStyle::bsSolid;
    QImage m_pattern;
    TBitmap* m_bitmap = nullptr;
};
