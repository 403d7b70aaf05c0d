#pragma once

#include <span>

// One row of the table of common menu commands as the program carries it: the caption,
// the shortcut pattern, the long hint (empty for none) and whether the row has a glyph.
// In a pattern, {Ctrl}, {Shift} and {Alt} stand for the platform's modifier names and
// {Ins}, {Del} and {BkSp} for its key names of Insert, Delete and Backspace; several
// shortcuts are separated by ";".
struct T_AM2000_StockRow {
    const char* caption;
    const char* shortCut;
    const char* hint;
    bool hasGlyph;
};

// The 221 rows in the order in which the table adds them.
std::span<const T_AM2000_StockRow> StockRows();
