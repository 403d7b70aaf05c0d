#pragma once

#include "TColors.h"
#include "TPersistent.h"

#include <functional>

// Line styles of a pen. psClear draws nothing; psInsideFrame keeps a wide pen's
// stroke inside the figure's rectangle.
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
T_ENUM_NAMES(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
             "psInsideFrame");

// How the pen's colour P combines with the pixels D under it (the binary raster
// operations of the system, in its order): pmBlack sets black, pmCopy sets P, pmXor
// sets P xor D, pmNot inverts D, and so on.
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
T_ENUM_NAMES(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
             "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
             "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor");

// The pen of a canvas: colour, width in pixels, style and mix mode for lines and the
// outlines of figures. Setters tell the owner through OnChange.
class TPen : public TPersistent {
    T_CLASS_INFO
public:
    TPen() = default;

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // Width in pixels; values below 1 draw one pixel wide.
    int Width() const { return m_width; }
    void SetWidth(int width);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode mode);

    void Assign(const TPersistent* source) override;
    bool operator==(const TPen& other) const;

    std::function<void()> OnChange;

private:
    void Changed();

    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = TPenStyle::psSolid;
    TPenMode m_mode = TPenMode::pmCopy;
};
