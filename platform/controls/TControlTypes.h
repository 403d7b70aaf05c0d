#pragma once

#include "TLayoutCodec.h"
#include "TSet.h"

// Enumerations shared by the controls, with the names layouts use for them.

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
T_ENUM_NAMES(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient");

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
T_ENUM_NAMES(TMouseButton, "mbLeft", "mbRight", "mbMiddle");

enum class TShift { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
T_ENUM_NAMES(TShift, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble");
using TShiftState = TSet<TShift>;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
T_ENUM_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter");

enum class TTextLayout { tlTop, tlCenter, tlBottom };
T_ENUM_NAMES(TTextLayout, "tlTop", "tlCenter", "tlBottom");

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
T_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace");

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
T_ENUM_NAMES(TBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
             "bsSizeToolWin");

// How a control dragged with the mouse travels: as a drag-and-drop source or to a dock
// site; and whether a press starts the drag by itself.
enum class TDragKind { dkDrag, dkDock };
T_ENUM_NAMES(TDragKind, "dkDrag", "dkDock");
enum class TDragMode { dmManual, dmAutomatic };
T_ENUM_NAMES(TDragMode, "dmManual", "dmAutomatic");

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
T_ENUM_NAMES(TCloseAction, "caNone", "caHide", "caFree", "caMinimize");

// Modal results: 1 confirmed, 2 cancelled, as the dialogs use them.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
