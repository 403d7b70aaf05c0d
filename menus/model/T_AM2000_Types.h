#pragma once

#include "TLayoutCodec.h"
#include "TSet.h"

// Enumerations of the animated menu system's options, as stored layouts name them.

// Behaviour flags of a menu's drop-down windows, bit 0 first.
enum class T_AM2000_Flag {
    mfBitmapShadow,
    mfDropShadow,
    mfHiddenAsRegular,
    mfHiddenIsVisible,
    mfLightenBitmaps,
    mfNoAutoShowHidden,
    mfNoBitmapRect,
    mfNoHighDisabled,
    mfNoShortDividers,
    mfRaiseBitmaps,
    mfRaiseMenuBarItem,
    mfShowCheckMark,
    mfSoftColors,
    mfStandardAlign,
    mfXpControls,
};
T_ENUM_NAMES(T_AM2000_Flag, "mfBitmapShadow", "mfDropShadow", "mfHiddenAsRegular",
             "mfHiddenIsVisible", "mfLightenBitmaps", "mfNoAutoShowHidden", "mfNoBitmapRect",
             "mfNoHighDisabled", "mfNoShortDividers", "mfRaiseBitmaps", "mfRaiseMenuBarItem",
             "mfShowCheckMark", "mfSoftColors", "mfStandardAlign", "mfXpControls");
using T_AM2000_Flags = TSet<T_AM2000_Flag>;

// How a drop-down window opens.
enum class T_AM2000_Animation {
    anNone,
    anVertSlide,
    anHorzSlide,
    anSlide,
    anDoubleSlide,
    anPopup,
    anRandom,
    anFade,
    anDefault,
    anVertStretch,
    anHorzStretch,
    anStretch,
    anDoubleStretch,
    anVertRoll,
    anHorzRoll,
    anRoll,
    anDoubleRoll,
};
T_ENUM_NAMES(T_AM2000_Animation, "anNone", "anVertSlide", "anHorzSlide", "anSlide", "anDoubleSlide",
             "anPopup", "anRandom", "anFade", "anDefault", "anVertStretch", "anHorzStretch",
             "anStretch", "anDoubleStretch", "anVertRoll", "anHorzRoll", "anRoll", "anDoubleRoll");

// The edge of the drop-down window along which the title strip runs.
enum class T_AM2000_TitleAlign { atLeft, atRight, atTop, atBottom };
T_ENUM_NAMES(T_AM2000_TitleAlign, "atLeft", "atRight", "atTop", "atBottom");

// The colour course of the title strip from ColorBegin to ColorEnd.
enum class T_AM2000_Gradient {
    grTopToBottom,
    grLeftToRight,
    grBottomToTop,
    grRightToLeft,
    grInsideOut,
    grOutsideIn,
    grDualVertical,
    grDualHorizontal,
    grBlockTopToBottom,
    grBlockLeftToRight,
    grBlockBottomToTop,
    grBlockRightToLeft,
};
T_ENUM_NAMES(T_AM2000_Gradient, "grTopToBottom", "grLeftToRight", "grBottomToTop", "grRightToLeft",
             "grInsideOut", "grOutsideIn", "grDualVertical", "grDualHorizontal",
             "grBlockTopToBottom", "grBlockLeftToRight", "grBlockBottomToTop",
             "grBlockRightToLeft");

// How a skin's background bitmap is laid out in a drop-down window.
enum class T_AM2000_BackgroundLayout {
    blDefault,
    blTile,
    blStretch,
    blExpandMenu,
    blSkin,
    blAtTopLeft,
    blAtTopCenter,
    blAtTopRight,
    blAtLeftCenter,
    blAtCenter,
    blAtRightCenter,
    blAtBottomLeft,
    blAtBottomCenter,
    blAtBottomRight,
};
T_ENUM_NAMES(T_AM2000_BackgroundLayout, "blDefault", "blTile", "blStretch", "blExpandMenu",
             "blSkin", "blAtTopLeft", "blAtTopCenter", "blAtTopRight", "blAtLeftCenter",
             "blAtCenter", "blAtRightCenter", "blAtBottomLeft", "blAtBottomCenter",
             "blAtBottomRight");

// The embedded control an item shows in place of its text.
enum class T_AM2000_MenuControlType {
    ctlNone,
    ctlButton,
    ctlButtonArray,
    ctlEditbox,
    ctlBitmap,
    ctlText,
};
T_ENUM_NAMES(T_AM2000_MenuControlType, "ctlNone", "ctlButton", "ctlButtonArray", "ctlEditbox",
             "ctlBitmap", "ctlText");

// The four option groups of an options object, in the order the merge walk visits them.
enum class T_AM2000_GroupKind { Colors, Margins, Skin, Title };
