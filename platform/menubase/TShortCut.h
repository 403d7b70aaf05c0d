#pragma once

#include "TControlTypes.h"

#include <QString>
#include <QtGlobal>

// A keyboard shortcut as the system encodes it: the virtual-key code in the low byte and
// the modifier bits scShift, scCtrl and scAlt above it; 0 is no shortcut.
using TShortCut = quint16;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The shortcut of key with the Shift, Ctrl and Alt members of shift.
TShortCut ShortCut(unsigned short key, TShiftState shift);

// The name of a virtual key as menus show it ("A", "F5", "Ins", "Del", "BkSp", "PgUp",
// "Num 5", ...); empty for a key without a name.
QString KeyNameText(unsigned short key);

// The text menus show for a shortcut: the modifiers in the order Shift, Ctrl, Alt, each
// followed by "+", then the key name ("Shift+Ctrl+Z"); empty for scNone and for a key
// without a name.
QString ShortCutToText(TShortCut shortCut);

// Reads a shortcut text: modifier names in any order and letter case, then a key name.
// Gives scNone for an empty text and for a text that names no key.
TShortCut TextToShortCut(const QString& text);
