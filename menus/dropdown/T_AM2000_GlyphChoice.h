#pragma once

#include <QImage>
#include <QSize>

class TImageList;
class TMenuItem2000;
class T_AM2000_MenuItemCache;

// Which glyph an item shows, in this order: the image of the menu's image list (only
// for an item without a bitmap of its own), the stock glyph picked by DefaultIndex, the
// item's bitmap, the stock glyph of its caption; else none (a check mark at most).
class T_AM2000_GlyphChoice {
public:
    enum Source { None, ImageList, StockNumber, ItemBitmap, StockCaption };
    // The glyph box of an item without a glyph, in pixels.
    static constexpr QSize DefaultSize{16, 16};

    T_AM2000_GlyphChoice(const TMenuItem2000& item, const TImageList* images,
                         const T_AM2000_MenuItemCache& cache);

    Source Kind() const { return m_source; }
    // The item's bitmap holds a glyph of its own for the disabled state.
    bool HasOwnDisabledGlyph() const;
    // The glyph for the draw state (bits of T_AM2000_DrawState), with alpha 0 where it is
    // transparent; a bitmap of NumGlyphs glyphs gives glyph 1 when disabled (2 or more
    // glyphs), 2 when checked or pressed (3 or more), 3 when selected (4), else glyph 0.
    // A null image for None.
    QImage Glyph(int state) const;
    // The size of one glyph; DefaultSize without one.
    QSize Size() const;
    // The glyph number of a bitmap of count glyphs for the draw state.
    static int GlyphIndex(int count, int state);

private:
    QImage BitmapGlyph(int index) const;

    const TMenuItem2000& m_item;
    const TImageList* m_images;
    const T_AM2000_MenuItemCache& m_cache;
    Source m_source = None;
};
