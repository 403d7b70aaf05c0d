#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>

// Where the windows place the pictures, in pixels, and the colours the pictures stand
// on: the artwork is drawn to fit these, and the contact sheet puts a window together
// from them.
namespace WindowGeometry {

// Skinned frame.
inline constexpr int CaptionHeight = 28;
inline constexpr int SideBorderWidth = 4;
inline constexpr int BottomBorderHeight = 7;
inline constexpr int LeftUpWidth = 55;
inline constexpr int RightUpWidth = 129;
inline constexpr int LeftDownWidth = 15;
inline constexpr int RightDownWidth = 14;
inline constexpr QPoint TitlePosition(LeftUpWidth + 16, 10);

// Frame buttons on the top-right piece, each later one above the earlier: the close
// button hides the right part of the size button.
inline constexpr QPoint MinButtonPosition(53, 5);
inline constexpr QPoint SizeButtonPosition(76, 5);
inline constexpr QPoint CloseButtonPosition(93, 5);
inline constexpr QSize SmallButtonSize(23, 21);
inline constexpr QSize CloseButtonSize(34, 21);

// Main window strips.
inline constexpr int MenuStripHeight = 18;
inline constexpr int CategoryStripHeight = 47;
inline constexpr int StatusStripHeight = 19;
inline constexpr int RuleHeight = 2;     // under the sub-category strip
inline constexpr int SidePieceWidth = 9; // left of the picture panel
inline constexpr int StripDecorOffsetY = 1;
inline constexpr int SubCategoryButtonX = 16;
inline constexpr int SubCategoryButtonY = 5;
inline constexpr int SubCategoryButtonHeight = 33;
inline const QColor StripColour(240, 240, 250);

// Dialogs.
inline constexpr QSize DialogButtonSize(85, 28);
inline const QColor DialogPanelColour(208, 207, 233);

} // namespace WindowGeometry
