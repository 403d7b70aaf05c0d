#include "Exception.h"
#include "TBitmapFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// What a reader keeps must survive our writer: writing it in its own format and
// reading that again gives the same pixels.
void CheckRoundTrip(const TBitmapData& data)
{
    if (data.image.isNull())
        return;
    const TBitmapData again =
        TBitmapFile::ReadFile(TBitmapFile::WriteFile(data.image, data.pixelFormat));
    if (again.pixelFormat != data.pixelFormat ||
        again.image.convertToFormat(QImage::Format_RGB32) !=
            data.image.convertToFormat(QImage::Format_RGB32))
        std::abort();
}

} // namespace

// Reads the input as a bitmap file and as a header-less DIB. EInvalidGraphic is the
// expected answer to bad data; any other error, crash or leak is a finding.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        CheckRoundTrip(TBitmapFile::ReadFile(bytes));
    } catch (const EInvalidGraphic&) {
    }
    try {
        CheckRoundTrip(TBitmapFile::ReadDIB(bytes));
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
