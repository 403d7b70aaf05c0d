#pragma once

#include "TColors.h"

#include <QImage>
#include <QString>
#include <span>

class TCanvas;

// One strip resource: its name and the number of 16 x 16 cells it holds side by side.
struct T_AM2000_GlyphStripResource {
    QString name;
    int cells;
};

// The glyph cells of the stock item table, read from 8-bit bitmap resources whose
// magenta pixels are transparent. The cells of all strips are numbered on, strip after
// strip.
class T_AM2000_GlyphStrips {
public:
    static constexpr int CellSize = 16;

    // Reads the strips. Raises EResNotFound for a missing resource and EInvalidGraphic
    // for a resource that is no 8-bit bitmap of exactly its cells.
    explicit T_AM2000_GlyphStrips(std::span<const T_AM2000_GlyphStripResource> strips);

    int CellCount() const { return m_cells.width() / CellSize; }
    // The cell with alpha 0 where the strip is magenta; a null image outside the cells.
    QImage Cell(int cell) const;

    // Draws the cell with its top-left corner at (x, y): as it is when enabled, else as
    // a flat shape of its darker pixels in disabledText over the same shape one pixel
    // right and down in disabledShadow (left out when clNone). A cell outside the
    // strips draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int cell, bool enabled, TColor disabledText,
              TColor disabledShadow) const;

private:
    QRect CellRect(int cell) const;
    QImage FlatShape(int cell, TColor color) const;

    QImage m_cells; // ARGB, all strips side by side
};
