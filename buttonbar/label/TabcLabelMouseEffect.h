#pragma once

#include "TLayoutCodec.h"
#include "TSet.h"

// What a link label does while the mouse is over it or presses it. Sets of these are
// stored as bit sets: underline 1, colour 2, colour halo 4, sound 8.
enum class TabcLabelMouseEffect { almUnderline, almColor, almColorShadow, almSound };
T_ENUM_NAMES(TabcLabelMouseEffect, "almUnderline", "almColor", "almColorShadow", "almSound");
using TabcLabelMouseEffects = TSet<TabcLabelMouseEffect>;
