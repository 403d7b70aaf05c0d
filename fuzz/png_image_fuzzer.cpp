#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"
#include "TPngImage.h"

#include <cstddef>
#include <cstdint>

// Loads the input as a PNG picture and draws it over a small bitmap. EInvalidGraphic
// ("PNG image is not valid", "PNG image is too large") is the expected answer to bad
// data; anything else, a crash or a read out of bounds, is a fault. Seeds: corpus/png.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TPngImage png;
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        png.LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    TBitmap target(16, 16);
    target.Canvas()->StretchDraw(QRect(0, 0, 16, 16), &png);
    return 0;
}
