#pragma once

#include "TColors.h"
#include "T_AM2000_GlyphStrips.h"
#include "T_AM2000_MenuItemCacheItem.h"

#include <QImage>
#include <QString>
#include <span>
#include <vector>

class TCanvas;
struct T_AM2000_StockRow;

// The table of common menu commands: an item whose caption names one of them gets its
// glyph, shortcut text and long hint without any setting, and an item can pick a stock
// glyph by number (DefaultIndex). Rows are kept in key order (see
// T_AM2000_MenuItemCacheItem::KeyOf); the glyph of the row at key position i is cell i
// of the glyph strips "BMP_AM2000_MENUITEMCACHE0" and "BMP_AM2000_MENUITEMCACHE1".
class T_AM2000_MenuItemCache {
public:
    // The hint or shortcut text an item stores to show none, not even the stock one:
    // the single character with code 1.
    static const QString NoneText;

    // The two glyph strip resources of the stock rows, 111 and 110 cells.
    static std::span<const T_AM2000_GlyphStripResource> StockGlyphStrips();

    // Builds the rows and their shortcut texts from the platform's key names and reads
    // the glyph strips (errors of resource loading pass through). Without strips the
    // rows have their glyph numbers but draw nothing (the artwork tool's case).
    explicit T_AM2000_MenuItemCache(
        std::span<const T_AM2000_GlyphStripResource> strips = StockGlyphStrips());

    // The process-wide table, built on first use and freed at exit.
    static T_AM2000_MenuItemCache& Instance();

    // The rows in key order.
    int Count() const { return int(m_rows.size()); }
    const T_AM2000_MenuItemCacheItem& Row(int keyIndex) const { return m_rows.at(keyIndex); }

    // The row of the caption's key, or nullptr.
    const T_AM2000_MenuItemCacheItem* Find(const QString& caption) const;
    bool HasRow(const QString& caption) const { return Find(caption) != nullptr; }
    bool HasGlyph(const QString& caption) const;
    // The caption's glyph number, or -1.
    int GlyphNumber(const QString& caption) const;
    // The number of rows with a glyph; glyph numbers run from 0 to GlyphCount() - 1.
    int GlyphCount() const { return int(m_glyphCells.size()); }

    // The glyph of that number with alpha 0 where it is transparent, for drawing it in
    // other modes (raised, lightened, shadowed); a null image for any other number.
    QImage Glyph(int number) const;
    // Draw the 16 x 16 glyph of the caption or of the number with its top-left corner at
    // (x, y), as it is or disabled (see T_AM2000_GlyphStrips::Draw). A caption without a
    // glyph and a number outside 0..GlyphCount() - 1 draw nothing.
    void DrawByCaption(TCanvas& canvas, int x, int y, const QString& caption, bool enabled,
                       TColor disabledText = clBtnShadow,
                       TColor disabledShadow = clBtnHighlight) const;
    void DrawByNumber(TCanvas& canvas, int x, int y, int number, bool enabled,
                      TColor disabledText = clBtnShadow,
                      TColor disabledShadow = clBtnHighlight) const;

    // The hint an item shows: its own hint; NoneText shows none; an empty hint shows the
    // stock hint of the caption. Items do not ask while they are written to a layout, so
    // stock values are never stored.
    QString ItemHint(const QString& hint, const QString& caption) const;
    // The shortcut text an item shows: the text of its own key code when it has one,
    // else its own shortcut text (none for NoneText), else the stock shortcut text of the
    // caption.
    QString ItemShortCutText(const QString& keyCodeText, const QString& shortCutText,
                             const QString& caption) const;

private:
    void Add(const T_AM2000_StockRow& row);
    void NumberRows();

    std::vector<T_AM2000_MenuItemCacheItem> m_rows; // key order
    std::vector<int> m_glyphCells;                  // cell of each glyph number
    int m_addedGlyphs = 0;
    T_AM2000_GlyphStrips m_strips;
};
