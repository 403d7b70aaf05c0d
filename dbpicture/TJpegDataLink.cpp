#include "TJpegDataLink.h"

#include "TClassInfo.h"

const TClassInfo& TJpegDataLink::StaticClassInfo()
{
    static const TClassInfo info("TJpegDataLink", &TFieldDataLink::StaticClassInfo());
    return info;
}

TJpegDataLink::TJpegDataLink() = default;
