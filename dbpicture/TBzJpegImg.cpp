#include "TBzJpegImg.h"

#include "TClassInfo.h"

const TClassInfo& TBzJpegImg::StaticClassInfo()
{
    static const TClassInfo info("TBzJpegImg", &TJPEGImage::StaticClassInfo());
    return info;
}

TBzJpegImg::TBzJpegImg() = default;
