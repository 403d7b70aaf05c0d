#include "GifClasses.h"

#include "TGIFRegistration.h"
#include "TRxGIFAnimator.h"
#include "TRxTimer.h"

void RegisterGifClasses()
{
    TGIFRegistration::Register();
    TRxImageControl::StaticClassInfo();
    TRxGIFAnimator::StaticClassInfo();
    TRxTimer::StaticClassInfo();
}
