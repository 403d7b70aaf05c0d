#pragma once

#include "TLayoutCodec.h"

#include <QColor>
#include <QtGlobal>

// A colour as the system stores it: 0x00BBGGRR for an RGB colour, 0x80000000 + index
// for a system colour, clNone (0x1FFFFFFF) for no colour; an RGB colour plus
// 0x02000000 is palette-relative and draws as the same RGB colour here.
enum TColor : qint32 {
    clBlack = 0x000000,
    clMaroon = 0x000080,
    clGreen = 0x008000,
    clOlive = 0x008080,
    clNavy = 0x800000,
    clPurple = 0x800080,
    clTeal = 0x808000,
    clGray = 0x808080,
    clSilver = 0xC0C0C0,
    clRed = 0x0000FF,
    clLime = 0x00FF00,
    clYellow = 0x00FFFF,
    clBlue = 0xFF0000,
    clFuchsia = 0xFF00FF,
    clAqua = 0xFFFF00,
    clWhite = 0xFFFFFF,

    clScrollBar = qint32(0x80000000),
    clBackground = qint32(0x80000001),
    clActiveCaption = qint32(0x80000002),
    clInactiveCaption = qint32(0x80000003),
    clMenu = qint32(0x80000004),
    clWindow = qint32(0x80000005),
    clWindowFrame = qint32(0x80000006),
    clMenuText = qint32(0x80000007),
    clWindowText = qint32(0x80000008),
    clCaptionText = qint32(0x80000009),
    clActiveBorder = qint32(0x8000000A),
    clInactiveBorder = qint32(0x8000000B),
    clAppWorkSpace = qint32(0x8000000C),
    clHighlight = qint32(0x8000000D),
    clHighlightText = qint32(0x8000000E),
    clBtnFace = qint32(0x8000000F),
    clBtnShadow = qint32(0x80000010),
    clGrayText = qint32(0x80000011),
    clBtnText = qint32(0x80000012),
    clInactiveCaptionText = qint32(0x80000013),
    clBtnHighlight = qint32(0x80000014),
    cl3DDkShadow = qint32(0x80000015),
    cl3DLight = qint32(0x80000016),
    clInfoText = qint32(0x80000017),
    clInfoBk = qint32(0x80000018),
    clHotLight = qint32(0x8000001A),
    clGradientActiveCaption = qint32(0x8000001B),
    clGradientInactiveCaption = qint32(0x8000001C),
    clMenuHighlight = qint32(0x8000001D),
    clMenuBar = qint32(0x8000001E),

    clNone = 0x1FFFFFFF,
    clDefault = 0x20000000,
};

// Conversions between the system's colour values and Qt's. System colours come from
// one fixed table of classic defaults, so that rendering never depends on the desktop.
class TColors {
public:
    static bool IsSystemColor(TColor color) { return quint32(color) >= 0x80000000u; }
    // The 0x00BBGGRR value of color; system colours looked up, palette flag dropped.
    static quint32 ToRGB(TColor color);
    static QColor ToQColor(TColor color);
    static TColor FromQColor(const QColor& color);
    static TColor FromRGB(int red, int green, int blue);
    // Name of a colour constant (clBtnFace), or an empty string.
    static QString Name(TColor color);
    // Value of a colour constant's name; false when the name is not one.
    static bool FromName(const QString& name, TColor& color);
};

template <> struct TLayoutCodec<TColor> {
    static TLayoutValue Encode(TColor value);
    static TColor Decode(const TLayoutValue& value);
};
