#pragma once

#include <QRect>

// The first column right of a rectangle and the first row below it (QRect's right() and
// bottom() are the last ones inside).
inline int RightEdge(const QRect& rect)
{
    return rect.x() + rect.width();
}

inline int BottomEdge(const QRect& rect)
{
    return rect.y() + rect.height();
}
