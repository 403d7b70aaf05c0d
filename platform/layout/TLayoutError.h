#pragma once

#include "Exception.h"

// Builds the errors of stored layouts, which always name the layout, the line and the
// word at fault, e.g. "TMianForm.layout, line 12, at 'Colr': unknown property".
class TLayoutError {
public:
    static ELayoutError At(const QString& layout, int line, const QString& word,
                           const QString& reason);
};
