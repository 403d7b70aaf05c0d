#include "DbPictureClasses.h"

#include "TBzDBImage.h"
#include "TBzJpegImg.h"
#include "TJpegDataLink.h"

void RegisterDbPictureClasses()
{
    // Asking for the class information registers it.
    TBzDBImage::StaticClassInfo();
    TBzJpegImg::StaticClassInfo();
    TJpegDataLink::StaticClassInfo();
}
