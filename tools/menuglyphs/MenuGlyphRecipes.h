#pragma once

#include "GlyphCanvas.h"

#include <QString>
#include <functional>
#include <map>

// How one menu glyph is made: a theme icon taken as it is, or drawn on the canvas.
using GlyphRecipe = std::function<void(GlyphCanvas&)>;

// The recipe of every stock row with a glyph, by the row's caption.
const std::map<QString, GlyphRecipe>& MenuGlyphRecipes();

// The check and the radio mark of menu items: crisp black pixels on transparent.
void DrawCheckMark(GlyphCanvas& canvas);
void DrawRadioMark(GlyphCanvas& canvas);
