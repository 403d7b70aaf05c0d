#pragma once

#include <QRect>
#include <QString>
#include <vector>

class TCanvas;
class TFont;
class TImageList;
class TMenuItem2000;

// Where a menu bar shows its items: every visible top-level item gets a rectangle sized
// to its caption, and the rectangles flow left to right in rows.
class T_AM2000_BarItems {
public:
    // Pixels added to the caption's width, and to the text height.
    static constexpr int HorizontalPadding = 12;
    static constexpr int VerticalPadding = 5;
    // Between a glyph and the caption.
    static constexpr int GlyphGap = 2;
    // Between one row and the next.
    static constexpr int RowGap = 1;

    struct Entry {
        TMenuItem2000* item;
        QRect rect;
    };

    // Lays out the visible items of parent in font: an item that would end beyond
    // availableWidth starts a new row below the lowest item of the row before.
    T_AM2000_BarItems() = default;
    // images: the menu's image list, or nullptr.
    T_AM2000_BarItems(const TMenuItem2000* parent, const TFont& font, const TImageList* images,
                      int availableWidth);

    const std::vector<Entry>& Entries() const { return m_entries; }
    int Count() const { return int(m_entries.size()); }
    bool Empty() const { return m_entries.empty(); }
    // The entry index of item, or -1.
    int IndexOf(const TMenuItem2000* item) const;
    // The entry index under point, or -1.
    int IndexAt(QPoint point) const;
    // The bottom of the lowest item.
    int Bottom() const;
    // The right edge of the item that reaches furthest right.
    int Right() const;

    // An item's size: caption without accelerator marks, glyph, padding.
    static QSize ItemSize(const TMenuItem2000& item, TCanvas& canvas, const TImageList* images);

private:
    std::vector<Entry> m_entries;
};
