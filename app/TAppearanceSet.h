#pragma once

#include "TColors.h"

#include <QString>
#include <array>

// One appearance of the main window: the raw-data resource (a JPEG picture) for each
// frame piece, in the order the pieces are replaced, and the button colour of the
// category bar that goes with it. The bar's colour is the only record of which
// appearance is shown.
struct TAppearanceSet {
    enum Row {
        rowLeftUp,
        rowCaption,
        rowRightUp,
        rowLeft,
        rowRight,
        rowLeftDown,
        rowDownMin,
        rowRightDown,
        rowCount
    };

    std::array<QString, rowCount> resources;
    TColor buttonColor;

    // The pictures the frame layout itself carries, with a black bar.
    static const TAppearanceSet& Default();
    // The alternative appearance "1".
    static const TAppearanceSet& Alternative();
};
