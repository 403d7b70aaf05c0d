#pragma once

#include <QSize>

// The largest pictures decoded from outside data (PNG files, SVG drawings rendered at
// their own size): a picture that announces more counts as damaged, before any memory
// is taken for its pixels. 16 megapixels hold a 4K screen template with room to spare
// and take 64 MiB at 32 bits per pixel.
class TPictureLimits {
public:
    static constexpr int MaxDimension = 16384; // pixels, width or height
    static constexpr qint64 MaxPixels = qint64(1) << 24;

    static constexpr bool Allows(QSize size)
    {
        return size.width() > 0 && size.height() > 0 && size.width() <= MaxDimension &&
               size.height() <= MaxDimension && qint64(size.width()) * size.height() <= MaxPixels;
    }
};
