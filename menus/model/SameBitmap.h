#pragma once

#include "TBitmap.h"

// Whether two bitmaps show the same picture: both empty, or the same pixels. A null
// other counts as an empty bitmap.
inline bool SameBitmap(const TBitmap& bitmap, const TBitmap* other)
{
    const bool otherEmpty = !other || other->Empty();
    if (bitmap.Empty() || otherEmpty)
        return bitmap.Empty() == otherEmpty;
    return bitmap.Image() == other->Image();
}
