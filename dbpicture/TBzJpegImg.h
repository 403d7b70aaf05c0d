#pragma once

#include "TJPEGImage.h"

// The picture control's JPEG decoder: a JPEG image that hands out the bitmap it decodes to.
class TBzJpegImg : public TJPEGImage {
    T_CLASS_INFO
public:
    TBzJpegImg();

    // The decoded picture, decoding first when needed; raises EJPEG for damaged data.
    // Owned by the image and replaced by its next load.
    TBitmap* Bitmap() { return TJPEGImage::Bitmap(); }
};
