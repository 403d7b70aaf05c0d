#include "Exception.h"
#include "TBitmap.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"

#include <cstddef>
#include <cstdint>

namespace {

// The decoded bitmap is reached by subclasses, as the picture control's decoder does.
class OpenJPEGImage : public TJPEGImage {
public:
    using TJPEGImage::Bitmap;
};

// Pictures above this many pixels are only loaded (header read), not decoded: their
// decoding is slow without telling more about the decoder's robustness.
constexpr qint64 decodeLimit = 4 * 1024 * 1024;

} // namespace

// Loads the input as a JPEG stream and decodes it. EJPEG (and EInvalidGraphic for
// sizes above the bitmap limits) are the expected answers to bad data.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OpenJPEGImage jpeg;
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        jpeg.LoadFromStream(stream);
        if (qint64(jpeg.Width()) * jpeg.Height() <= decodeLimit)
            jpeg.Bitmap();
    } catch (const EJPEG&) {
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
