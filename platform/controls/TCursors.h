#pragma once

#include "TLayoutCodec.h"

#include <QCursor>

// Mouse cursors by the system's numbers.
enum TCursor : int {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crSQLWait = -17,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

// Conversions of cursor numbers to Qt's cursor shapes and to their names.
class TCursors {
public:
    static Qt::CursorShape ToShape(TCursor cursor);
    static QString Name(TCursor cursor);
    static bool FromName(const QString& name, TCursor& cursor);
};

template <> struct TLayoutCodec<TCursor> {
    static TLayoutValue Encode(TCursor value);
    static TCursor Decode(const TLayoutValue& value);
};
