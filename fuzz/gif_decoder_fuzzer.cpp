#include "Exception.h"
#include "TBitmap.h"
#include "TGIFFrame.h"
#include "TGIFImage.h"
#include "TMemoryStream.h"

#include <cstddef>
#include <cstdint>

// Loads the input as a GIF file and decodes every frame. Errors of the platform's
// kinds are the expected answer to bad data; anything else is a finding.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TGIFImage image;
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        image.LoadFromStream(stream);
    } catch (const Exception&) {
    }
    for (int index = 0; index < image.Count(); ++index) {
        try {
            image.Frames(index)->DecodedBitmap();
        } catch (const Exception&) {
        }
    }
    return 0;
}
