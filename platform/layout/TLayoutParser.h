#pragma once

#include "TLayoutNode.h"

#include <QString>

// Reads the text of a stored layout into its tree of blocks. A malformed line raises
// ELayoutError naming the layout, the line and the offending word.
class TLayoutParser {
public:
    static TLayoutNode Parse(const QString& text, const QString& layoutName);
};
