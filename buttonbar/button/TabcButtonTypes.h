#pragma once

#include "TControl.h"
#include "TEvent.h"
#include "TLayoutCodec.h"

// The enumerations and events of the styled speed button, with the names layouts use.

// Frame styles; see TabcButtonFrame for what each draws.
enum class TabcButtonStyle {
    absAutoDetect,
    absNew,
    absWin31,
    absThin,
    absThinBlack,
    absThinGray,
    absThinHighlight,
    absMidHighlight,
    absThickHighlight,
    absFramed,
    absFramedBlack,
    absFramedRaised,
    absFramedHighlight,
    absFramedBlackHighlight,
    absRecessed,
    absRecessedBlack,
    absRecessedRaised,
    absRecessedHighlight,
    absRecessedBlackHighlight
};
T_ENUM_NAMES(TabcButtonStyle, "absAutoDetect", "absNew", "absWin31", "absThin", "absThinBlack",
             "absThinGray", "absThinHighlight", "absMidHighlight", "absThickHighlight", "absFramed",
             "absFramedBlack", "absFramedRaised", "absFramedHighlight", "absFramedBlackHighlight",
             "absRecessed", "absRecessedBlack", "absRecessedRaised", "absRecessedHighlight",
             "absRecessedBlackHighlight");

// Where the picture stands against the caption.
enum class TabcButtonLayout {
    ablGlyphLeft,
    ablGlyphRight,
    ablGlyphTop,
    ablGlyphBottom,
    ablGlyphCenter,
    ablGlyphTiled
};
T_ENUM_NAMES(TabcButtonLayout, "ablGlyphLeft", "ablGlyphRight", "ablGlyphTop", "ablGlyphBottom",
             "ablGlyphCenter", "ablGlyphTiled");

// How the picture looks while the mouse is not over the button.
enum class TabcGlyphHighlight { aghNormal, aghGray, aghFade, aghDarken };
T_ENUM_NAMES(TabcGlyphHighlight, "aghNormal", "aghGray", "aghFade", "aghDarken");

enum class TabcTextStyle { tsNormal, tsRaised, tsLowered };
T_ENUM_NAMES(TabcTextStyle, "tsNormal", "tsRaised", "tsLowered");

// The five looks of a button, in the order of the picture's cells.
enum class TabcButtonState { bsUp, bsDisabled, bsDown, bsExclusive, bsHot };

// BeforeClick and BeforeMouseDown: setting Cancel suppresses the click or the press.
using TabcCancelEvent = TEvent<TObject*, bool&>;
using TabcMouseCancelEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int, bool&>;
