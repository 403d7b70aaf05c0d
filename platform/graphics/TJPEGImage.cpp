#include "TJPEGImage.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TClassInfo.h"
#include "TStream.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <cstring>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace {

// --- The C-style boundary -----------------------------------------------------------------
// libjpeg reports a fatal error by calling error_exit, which must not return. Ours
// longjmps back to the setjmp of the step that is running. The steps below are plain
// functions whose frames hold nothing with a destructor, so the jump skips no C++
// clean-up; the objects that own libjpeg state live in the callers' frames, outside.

struct ErrorManager {
    jpeg_error_mgr pub; // first, so that libjpeg's pointer to it is a pointer to this
    std::jmp_buf jump;
    int code;
};

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->code = info->err->msg_code;
    std::longjmp(errors->jump, 1);
}

// Warnings are ignored, except that data ending before the picture is complete is an
// error here: a picture cut short must not pass as whole. Nothing is printed.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

void InstallErrors(ErrorManager& errors)
{
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ErrorExit;
    errors.pub.emit_message = EmitMessage;
    errors.pub.output_message = OutputMessage;
    errors.code = 0;
}

bool CreateStep(jpeg_decompress_struct* info, ErrorManager* errors)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_create_decompress(info);
    return true;
}

bool CreateStep(jpeg_compress_struct* info, ErrorManager* errors)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_create_compress(info);
    return true;
}

bool ReadHeaderStep(jpeg_decompress_struct* info, ErrorManager* errors, const uchar* data,
                    unsigned long size)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    return true;
}

bool OutputSizeStep(jpeg_decompress_struct* info, ErrorManager* errors)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_calc_output_dimensions(info);
    return true;
}

bool DecodeStep(jpeg_decompress_struct* info, ErrorManager* errors, uchar* bits,
                qsizetype bytesPerLine)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_start_decompress(info);
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = bits + qsizetype(info->output_scanline) * bytesPerLine;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

bool EncodeStep(jpeg_compress_struct* info, ErrorManager* errors, const uchar* bits,
                qsizetype bytesPerLine, int quality, unsigned char** output,
                unsigned long* outputSize)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_mem_dest(info, output, outputSize);
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = const_cast<uchar*>(bits + qsizetype(info->next_scanline) * bytesPerLine);
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return true;
}

// --- Owners of libjpeg state ------------------------------------------------------------

[[noreturn]] void RaiseJpegError(int code)
{
    throw EJPEG(QStringLiteral("JPEG error #%1").arg(code));
}

class Decompressor {
public:
    Decompressor()
    {
        std::memset(&info, 0, sizeof info);
        InstallErrors(errors);
        info.err = &errors.pub;
        if (!CreateStep(&info, &errors))
            RaiseJpegError(errors.code);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // Reads the header of data (which must outlive the decompressor).
    void ReadHeader(const QByteArray& data)
    {
        if (!ReadHeaderStep(&info, &errors, reinterpret_cast<const uchar*>(data.constData()),
                            static_cast<unsigned long>(data.size())))
            RaiseJpegError(errors.code);
    }
    void Check(bool ok)
    {
        if (!ok)
            RaiseJpegError(errors.code);
    }

    jpeg_decompress_struct info;
    ErrorManager errors;
};

class Compressor {
public:
    Compressor()
    {
        std::memset(&info, 0, sizeof info);
        InstallErrors(errors);
        info.err = &errors.pub;
        if (!CreateStep(&info, &errors))
            RaiseJpegError(errors.code);
    }
    ~Compressor()
    {
        jpeg_destroy_compress(&info);
        std::free(output); // allocated by libjpeg's memory destination with malloc
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    jpeg_compress_struct info;
    ErrorManager errors;
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
};

int ScaleDenominator(TJPEGScale scale)
{
    return 1 << int(scale);
}

void CheckPictureSize(qint64 width, qint64 height)
{
    if (width > TBitmap::MaxDimension || height > TBitmap::MaxDimension ||
        width * height > TBitmap::MaxPixels)
        throw EJPEG(QStringLiteral("JPEG image is too large"));
}

// Four-component output (CMYK as Adobe writes it, inverted) to blue, green, red.
QImage FromInvertedCmyk(const QImage& cmyk)
{
    QImage out(cmyk.size(), QImage::Format_BGR888);
    for (int y = 0; y < cmyk.height(); ++y) {
        const uchar* in = cmyk.constScanLine(y);
        uchar* o = out.scanLine(y);
        for (int x = 0; x < cmyk.width(); ++x, in += 4, o += 3) {
            const int k = in[3];
            o[0] = uchar(in[2] * k / 255);
            o[1] = uchar(in[1] * k / 255);
            o[2] = uchar(in[0] * k / 255);
        }
    }
    return out;
}

} // namespace

const TClassInfo& TJPEGImage::StaticClassInfo()
{
    static const TClassInfo info("TJPEGImage", &TGraphic::StaticClassInfo());
    return info;
}

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

// --- Size and options -------------------------------------------------------------------

int TJPEGImage::Width() const
{
    if (m_data.isEmpty())
        return m_bitmap ? m_bitmap->Width() : 0;
    const int d = ScaleDenominator(m_scale);
    return (m_imageWidth + d - 1) / d;
}

int TJPEGImage::Height() const
{
    if (m_data.isEmpty())
        return m_bitmap ? m_bitmap->Height() : 0;
    const int d = ScaleDenominator(m_scale);
    return (m_imageHeight + d - 1) / d;
}

void TJPEGImage::SetWidth(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

void TJPEGImage::SetHeight(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

bool TJPEGImage::Empty() const
{
    return m_data.isEmpty() && (!m_bitmap || m_bitmap->Empty());
}

void TJPEGImage::Clear()
{
    if (Empty())
        return;
    m_data.clear();
    m_imageWidth = m_imageHeight = 0;
    m_bitmap.reset();
    Changed();
}

void TJPEGImage::SetCompressionQuality(int quality)
{
    m_quality = std::clamp(quality, 1, 100);
}

// Options that change the decoded picture drop a decoded bitmap that can be decoded
// again; one assigned from a bitmap (no JPEG bytes) stays.
void TJPEGImage::FreeBitmap()
{
    if (!m_data.isEmpty())
        m_bitmap.reset();
    Changed();
}

void TJPEGImage::SetGrayscale(bool grayscale)
{
    if (grayscale == m_grayscale)
        return;
    m_grayscale = grayscale;
    FreeBitmap();
}

void TJPEGImage::SetScale(TJPEGScale scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    FreeBitmap();
}

// --- Decoding ---------------------------------------------------------------------------

void TJPEGImage::ReadHeader()
{
    Decompressor jpeg;
    jpeg.ReadHeader(m_data);
    m_imageWidth = int(jpeg.info.image_width);
    m_imageHeight = int(jpeg.info.image_height);
}

void TJPEGImage::Decode() const
{
    auto bitmap = std::make_unique<TBitmap>();
    if (!m_data.isEmpty())
        bitmap->SetImage(DecodePixels());
    m_bitmap = std::move(bitmap);
}

// The pixels of the held JPEG bytes as 24 bits (blue, green, red).
QImage TJPEGImage::DecodePixels() const
{
    Decompressor jpeg;
    jpeg.ReadHeader(m_data);
    jpeg_decompress_struct& info = jpeg.info;
    info.scale_num = 1;
    info.scale_denom = unsigned(ScaleDenominator(m_scale));
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (m_grayscale)
        info.out_color_space = JCS_GRAYSCALE;
    else
        info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg.Check(OutputSizeStep(&info, &jpeg.errors));
    CheckPictureSize(info.output_width, info.output_height);
    const QImage::Format format = m_grayscale ? QImage::Format_Grayscale8
                                  : cmyk      ? QImage::Format_RGB32
                                              : QImage::Format_BGR888;
    QImage pixels(int(info.output_width), int(info.output_height), format);
    if (pixels.isNull())
        throw EJPEG(QStringLiteral("JPEG image is too large"));
    jpeg.Check(DecodeStep(&info, &jpeg.errors, pixels.bits(), pixels.bytesPerLine()));
    if (cmyk && !m_grayscale)
        return FromInvertedCmyk(pixels);
    return pixels.convertToFormat(QImage::Format_BGR888);
}

void TJPEGImage::DIBNeeded()
{
    if (!m_bitmap)
        Decode();
}

TBitmap* TJPEGImage::Bitmap()
{
    DIBNeeded();
    return m_bitmap.get();
}

// --- Encoding ---------------------------------------------------------------------------

void TJPEGImage::Compress()
{
    m_data = Compressed();
    m_imageWidth = m_data.isEmpty() ? 0 : m_bitmap->Width();
    m_imageHeight = m_data.isEmpty() ? 0 : m_bitmap->Height();
}

// The held bitmap compressed with the image's options; empty for an empty bitmap.
QByteArray TJPEGImage::Compressed() const
{
    if (!m_bitmap || m_bitmap->Empty())
        return QByteArray();
    const QImage pixels = m_bitmap->Image().convertToFormat(m_grayscale ? QImage::Format_Grayscale8
                                                                        : QImage::Format_BGR888);
    Compressor jpeg;
    jpeg_compress_struct& info = jpeg.info;
    info.image_width = JDIMENSION(pixels.width());
    info.image_height = JDIMENSION(pixels.height());
    info.input_components = m_grayscale ? 1 : 3;
    info.in_color_space = m_grayscale ? JCS_GRAYSCALE : JCS_EXT_BGR;
    if (!EncodeStep(&info, &jpeg.errors, pixels.constBits(), pixels.bytesPerLine(), m_quality,
                    &jpeg.output, &jpeg.outputSize))
        RaiseJpegError(jpeg.errors.code);
    return QByteArray(reinterpret_cast<const char*>(jpeg.output), qsizetype(jpeg.outputSize));
}

void TJPEGImage::JPEGNeeded()
{
    if (m_data.isEmpty())
        Compress();
}

// --- Drawing, streams and copies ------------------------------------------------------------

void TJPEGImage::Draw(TCanvas& canvas, const QRect& rect)
{
    if (Empty())
        return;
    Bitmap()->Draw(canvas, rect);
}

void TJPEGImage::LoadFromStream(TStream& stream)
{
    QByteArray data = stream.ReadRest();
    m_bitmap.reset();
    m_data = std::move(data);
    m_imageWidth = m_imageHeight = 0;
    try {
        if (!m_data.isEmpty())
            ReadHeader();
    } catch (const EJPEG&) {
        m_data.clear();
        Changed();
        throw;
    }
    Changed();
}

void TJPEGImage::SaveToStream(TStream& stream) const
{
    const QByteArray bytes = m_data.isEmpty() ? Compressed() : m_data;
    stream.WriteBuffer(bytes.constData(), bytes.size());
}

void TJPEGImage::Assign(const TPersistent* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        if (jpeg == this)
            return;
        m_data = jpeg->m_data;
        m_imageWidth = jpeg->m_imageWidth;
        m_imageHeight = jpeg->m_imageHeight;
        m_quality = jpeg->m_quality;
        m_grayscale = jpeg->m_grayscale;
        m_scale = jpeg->m_scale;
        m_bitmap.reset();
        if (jpeg->m_bitmap) {
            m_bitmap = std::make_unique<TBitmap>();
            m_bitmap->Assign(jpeg->m_bitmap.get());
        }
        Changed();
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(bitmap);
        m_bitmap = std::move(copy);
        m_data.clear();
        m_imageWidth = m_imageHeight = 0;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent* dest) const
{
    auto* bitmap = dynamic_cast<TBitmap*>(dest);
    if (!bitmap) {
        TGraphic::AssignTo(dest);
        return;
    }
    if (!m_bitmap)
        Decode();
    bitmap->Assign(m_bitmap.get());
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto copy = std::make_unique<TJPEGImage>();
    copy->Assign(this);
    return copy;
}
