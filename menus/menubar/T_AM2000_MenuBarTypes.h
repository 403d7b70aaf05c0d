#pragma once

#include "TEvent.h"
#include "TLayoutCodec.h"

class TMenuItem2000;
class TObject;

// The look of a menu bar's own buttons and drag grip.
enum class T_AM2000_FlatStyle { fsDefault, fsWin31, fsWin95, fsWinXP };
T_ENUM_NAMES(T_AM2000_FlatStyle, "fsDefault", "fsWin31", "fsWin95", "fsWinXP");

// What a menu bar is doing.
enum class T_AM2000_BarState {
    bsIdle,     // nothing highlighted
    bsHot,      // an item is highlighted, no drop-down
    bsOpen,     // the current item's drop-down is open, or keyboard mode
    bsCustomize // an item is being dragged while customising
};

// Fired before a drop-down of the bar opens: sender and the item whose drop-down it is.
using T_AM2000_MenuBarPopupEvent = TEvent<TObject*, TMenuItem2000*>;
