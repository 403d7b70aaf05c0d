#include "TBitmapFile.h"

#include "Exception.h"
#include "TBitmap.h"

#include <QtEndian>
#include <bit>
#include <cstring>

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype coreHeaderSize = 12;
constexpr qsizetype infoHeaderSize = 40;
constexpr qsizetype maskBytes = 12; // three 32-bit bit-field masks after an info header

enum Compression : quint32 { biRGB = 0, biRLE8 = 1, biRLE4 = 2, biBitFields = 3 };

[[noreturn]] void NotValid()
{
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
}

[[noreturn]] void TooLarge()
{
    throw EInvalidGraphic(QStringLiteral("Bitmap image is too large"));
}

// Little-endian reads from untrusted bytes: every read checks that the bytes are there
// and treats their absence as damage.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {}

    qsizetype Size() const { return m_bytes.size(); }
    bool Has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= m_bytes.size() &&
               count <= m_bytes.size() - offset;
    }
    const uchar* At(qint64 offset, qint64 count) const
    {
        if (!Has(offset, count))
            NotValid();
        return reinterpret_cast<const uchar*>(m_bytes.data()) + offset;
    }
    quint16 U16(qint64 offset) const { return qFromLittleEndian<quint16>(At(offset, 2)); }
    quint32 U32(qint64 offset) const { return qFromLittleEndian<quint32>(At(offset, 4)); }
    qint32 I32(qint64 offset) const { return qFromLittleEndian<qint32>(At(offset, 4)); }

private:
    QByteArrayView m_bytes;
};

// One channel of a bit-field mask: where it sits and how wide it is.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(quint32 m)
        : mask(m)
        , shift(m ? std::countr_zero(m) : 0)
        , bits(m ? std::popcount(m) : 0)
    {}
    int Value(quint32 pixel) const
    {
        if (bits == 0)
            return 0;
        const quint32 v = (pixel & mask) >> shift;
        if (bits >= 8)
            return int(v >> (bits - 8)) & 0xFF;
        return int(v * 255 / ((1u << bits) - 1));
    }
};

struct Masks {
    quint32 red = 0, green = 0, blue = 0;
    bool operator==(const Masks&) const = default;
};
constexpr Masks masks555 = {0x7C00, 0x03E0, 0x001F};
constexpr Masks masks565 = {0xF800, 0x07E0, 0x001F};
constexpr Masks masks888 = {0x00FF0000, 0x0000FF00, 0x000000FF};

// What the info header says, checked for consistency.
struct DibHeader {
    qint64 headerSize = 0;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = biRGB;
    Masks masks;
    qint64 paletteOffset = 0;
    int paletteEntries = 0; // entries stored in the file
    int paletteEntrySize = 4;
};

bool KnownHeaderSize(quint32 size)
{
    return size == coreHeaderSize || size == 40 || size == 52 || size == 56 || size == 64 ||
           size == 108 || size == 124;
}

bool CompressionFits(quint32 compression, int bitCount)
{
    switch (compression) {
    case biRGB:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
               bitCount == 24 || bitCount == 32;
    case biRLE8:
        return bitCount == 8;
    case biRLE4:
        return bitCount == 4;
    case biBitFields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

DibHeader ReadCoreHeader(const ByteReader& in)
{
    DibHeader h;
    h.headerSize = coreHeaderSize;
    h.width = in.U16(4);
    h.height = in.U16(6);
    if (in.U16(8) != 1)
        NotValid();
    h.bitCount = in.U16(10);
    if (!CompressionFits(biRGB, h.bitCount) || h.bitCount == 16 || h.bitCount == 32)
        NotValid();
    h.paletteOffset = coreHeaderSize;
    h.paletteEntrySize = 3;
    h.paletteEntries = h.bitCount <= 8 ? 1 << h.bitCount : 0;
    return h;
}

DibHeader ReadInfoHeader(const ByteReader& in, quint32 headerSize)
{
    DibHeader h;
    h.headerSize = headerSize;
    in.At(0, headerSize);
    const qint32 width = in.I32(4);
    const qint32 height = in.I32(8);
    if (width < 0 || height == std::numeric_limits<qint32>::min() || in.U16(12) != 1)
        NotValid();
    h.width = width;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.bitCount = in.U16(14);
    h.compression = in.U32(16);
    if (!CompressionFits(h.compression, h.bitCount))
        NotValid();
    if (h.topDown && (h.compression == biRLE8 || h.compression == biRLE4))
        NotValid();
    h.paletteOffset = headerSize;
    if (h.compression == biBitFields) {
        const qint64 at = infoHeaderSize;
        h.masks = {in.U32(at), in.U32(at + 4), in.U32(at + 8)};
        if (headerSize == infoHeaderSize)
            h.paletteOffset += maskBytes;
    } else if (h.bitCount == 16) {
        h.masks = masks555;
    } else if (h.bitCount == 32) {
        h.masks = masks888;
    }
    const quint32 used = in.U32(32);
    if (used > 256)
        NotValid();
    h.paletteEntries = used != 0 ? int(used) : (h.bitCount <= 8 ? 1 << h.bitCount : 0);
    return h;
}

DibHeader ReadHeader(const ByteReader& in)
{
    const quint32 size = in.U32(0);
    if (!KnownHeaderSize(size))
        NotValid();
    DibHeader h = size == coreHeaderSize ? ReadCoreHeader(in) : ReadInfoHeader(in, size);
    TBitmap::CheckSize(h.width, h.height);
    return h;
}

// The colour table: the stored entries (at most as many as the depth can index), then
// black up to the full size, so that every index that the pixels hold has a colour.
QList<QRgb> ReadPalette(const ByteReader& in, const DibHeader& h)
{
    if (h.bitCount > 8)
        return {};
    const int full = 1 << h.bitCount;
    const qint64 bytes = qint64(h.paletteEntries) * h.paletteEntrySize;
    const uchar* p = in.At(h.paletteOffset, bytes);
    QList<QRgb> palette(full, qRgb(0, 0, 0));
    for (int i = 0; i < std::min(full, h.paletteEntries); ++i) {
        const uchar* entry = p + qint64(i) * h.paletteEntrySize;
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    return palette;
}

QImage::Format ImageFormat(const DibHeader& h)
{
    switch (h.bitCount) {
    case 1:
        return QImage::Format_Mono;
    case 4:
    case 8:
        return QImage::Format_Indexed8;
    case 16:
        if (h.masks == masks555)
            return QImage::Format_RGB555;
        return h.masks == masks565 ? QImage::Format_RGB16 : QImage::Format_RGB32;
    case 24:
        return QImage::Format_BGR888;
    default:
        return QImage::Format_RGB32;
    }
}

TPixelFormat PixelFormatOf(const DibHeader& h, QImage::Format format)
{
    switch (h.bitCount) {
    case 1:
        return TPixelFormat::pf1bit;
    case 4:
        return TPixelFormat::pf4bit;
    case 8:
        return TPixelFormat::pf8bit;
    case 16:
        if (format == QImage::Format_RGB555)
            return TPixelFormat::pf15bit;
        return format == QImage::Format_RGB16 ? TPixelFormat::pf16bit : TPixelFormat::pf32bit;
    case 24:
        return TPixelFormat::pf24bit;
    default:
        return TPixelFormat::pf32bit;
    }
}

QImage NewImage(const DibHeader& h, const QList<QRgb>& palette)
{
    QImage image(h.width, h.height, ImageFormat(h));
    if (image.isNull())
        TooLarge();
    if (!palette.isEmpty())
        image.setColorTable(palette);
    image.fill(0);
    return image;
}

// One stored row into an image row of the same depth, or through the bit-field masks.
void CopyRow(const DibHeader& h, const uchar* src, uchar* dst)
{
    const int w = h.width;
    if (h.bitCount == 4) {
        for (int x = 0; x < w; ++x)
            dst[x] = (x & 1) ? src[x / 2] & 0x0F : src[x / 2] >> 4;
        return;
    }
    if (h.bitCount == 1 || h.bitCount == 8 || h.bitCount == 24 ||
        (h.bitCount == 16 && (h.masks == masks555 || h.masks == masks565))) {
        std::memcpy(dst, src, size_t((qint64(w) * h.bitCount + 7) / 8));
        return;
    }
    const Channel red(h.masks.red), green(h.masks.green), blue(h.masks.blue);
    auto* out = reinterpret_cast<QRgb*>(dst);
    for (int x = 0; x < w; ++x) {
        const quint32 v = h.bitCount == 16 ? qFromLittleEndian<quint16>(src + 2 * x)
                                           : qFromLittleEndian<quint32>(src + 4 * x);
        out[x] = qRgb(red.Value(v), green.Value(v), blue.Value(v));
    }
}

qint64 Stride(const DibHeader& h)
{
    return (qint64(h.width) * h.bitCount + 31) / 32 * 4;
}

qint64 RowBytes(const DibHeader& h)
{
    return (qint64(h.width) * h.bitCount + 7) / 8;
}

// Checks, before anything is allocated, that the pixel data can be there: all rows
// (the last one may lack its padding, which some writers leave out), or for run-length
// data at least one byte per 1024 pixels, more than any real picture compresses to.
void CheckPixelData(const ByteReader& in, qint64 offset, const DibHeader& h)
{
    if (h.compression == biRLE8 || h.compression == biRLE4) {
        const qint64 available = in.Has(offset, 0) ? in.Size() - offset : 0;
        if (available * 1024 < qint64(h.width) * h.height)
            NotValid();
        return;
    }
    in.At(offset, Stride(h) * (h.height - 1) + RowBytes(h));
}

void ReadRows(const ByteReader& in, qint64 offset, const DibHeader& h, QImage& image)
{
    const qint64 stride = Stride(h);
    const qint64 rowBytes = RowBytes(h);
    for (int row = 0; row < h.height; ++row) {
        const int y = h.topDown ? row : h.height - 1 - row;
        CopyRow(h, in.At(offset + stride * row, rowBytes), image.scanLine(y));
    }
}

// Run-length encoded pixels (RLE8 or RLE4) into an 8-bit image, bottom row first.
// Runs that reach past the edges are clipped; a missing end mark ends at the data's end.
void ReadRunLength(const ByteReader& in, qint64 offset, const DibHeader& h, QImage& image)
{
    const bool four = h.compression == biRLE4;
    int x = 0;
    int y = 0; // counted from the bottom
    auto put = [&](int index) {
        if (x < h.width && y < h.height)
            image.scanLine(h.height - 1 - y)[x] = uchar(index);
        ++x;
    };
    qint64 pos = offset;
    while (y < h.height && in.Has(pos, 2)) {
        const int count = in.At(pos, 2)[0];
        const int value = in.At(pos, 2)[1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // move by (dx, dy)
            const uchar* delta = in.At(pos, 2);
            x += delta[0];
            y += delta[1];
            pos += 2;
        } else { // a literal run of value pixels, padded to an even number of bytes
            const qint64 bytes = four ? (value + 1) / 2 : value;
            const uchar* run = in.At(pos, bytes);
            for (int i = 0; i < value; ++i)
                put(four ? ((i & 1) ? run[i / 2] & 0x0F : run[i / 2] >> 4) : run[i]);
            pos += (bytes + 1) & ~qint64(1);
        }
    }
}

// A DIB whose pixels start at pixelOffset (from the DIB's start) when that is given
// and plausible, else right after the colour table.
TBitmapData ReadDibAt(QByteArrayView bytes, qint64 pixelOffset)
{
    const ByteReader in(bytes);
    const DibHeader h = ReadHeader(in);
    const QList<QRgb> palette = ReadPalette(in, h);
    const qint64 tableEnd = h.paletteOffset + qint64(h.paletteEntries) * h.paletteEntrySize;
    const qint64 offset =
        pixelOffset >= h.headerSize && pixelOffset <= in.Size() ? pixelOffset : tableEnd;
    if (h.width == 0 || h.height == 0)
        return {};
    CheckPixelData(in, offset, h);
    TBitmapData data;
    data.image = NewImage(h, palette);
    data.pixelFormat = PixelFormatOf(h, data.image.format());
    if (h.compression == biRLE8 || h.compression == biRLE4)
        ReadRunLength(in, offset, h, data.image);
    else
        ReadRows(in, offset, h, data.image);
    return data;
}

// --- Writing --------------------------------------------------------------------------

struct WriteLayout {
    int bitCount = 24;
    QImage image; // converted to the layout's memory format
    int paletteEntries = 0;
    bool masks565 = false;
};

QImage ToIndexed(const QImage& image, int entries)
{
    QImage indexed = image.format() == QImage::Format_Indexed8
                         ? image
                         : image.convertToFormat(QImage::Format_Indexed8);
    QList<QRgb> table = indexed.colorTable();
    table.resize(entries, qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return indexed;
}

WriteLayout LayoutFor(const QImage& image, TPixelFormat format)
{
    WriteLayout layout;
    switch (format) {
    case TPixelFormat::pf1bit:
        layout.bitCount = 1;
        layout.paletteEntries = 2;
        layout.image = image.convertToFormat(QImage::Format_Mono);
        if (layout.image.colorCount() < 2)
            layout.image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        break;
    case TPixelFormat::pf4bit:
        layout.bitCount = 4;
        layout.paletteEntries = 16;
        layout.image = ToIndexed(image, 16);
        break;
    case TPixelFormat::pf8bit:
        layout.bitCount = 8;
        layout.paletteEntries = 256;
        layout.image = ToIndexed(image, 256);
        break;
    case TPixelFormat::pf15bit:
        layout.bitCount = 16;
        layout.image = image.convertToFormat(QImage::Format_RGB555);
        break;
    case TPixelFormat::pf16bit:
        layout.bitCount = 16;
        layout.masks565 = true;
        layout.image = image.convertToFormat(QImage::Format_RGB16);
        break;
    case TPixelFormat::pf32bit:
        layout.bitCount = 32;
        layout.image = image.convertToFormat(QImage::Format_RGB32);
        break;
    default:
        layout.image = image.convertToFormat(QImage::Format_BGR888);
        break;
    }
    return layout;
}

void Put16(QByteArray& out, quint16 v)
{
    const uchar b[2] = {uchar(v), uchar(v >> 8)};
    out.append(reinterpret_cast<const char*>(b), 2);
}

void Put32(QByteArray& out, quint32 v)
{
    const uchar b[4] = {uchar(v), uchar(v >> 8), uchar(v >> 16), uchar(v >> 24)};
    out.append(reinterpret_cast<const char*>(b), 4);
}

QByteArray PackRow(const WriteLayout& layout, int y, qint64 stride)
{
    QByteArray row(stride, '\0');
    const uchar* src = layout.image.constScanLine(y);
    const int w = layout.image.width();
    auto* dst = reinterpret_cast<uchar*>(row.data());
    if (layout.bitCount == 4) {
        for (int x = 0; x < w; ++x)
            dst[x / 2] |= (x & 1) ? (src[x] & 0x0F) : uchar((src[x] & 0x0F) << 4);
    } else {
        std::memcpy(dst, src, size_t((qint64(w) * layout.bitCount + 7) / 8));
    }
    return row;
}

QByteArray WriteDibBytes(const QImage& image, TPixelFormat format)
{
    const WriteLayout layout = LayoutFor(image, format);
    const int w = layout.image.width();
    const int h = layout.image.height();
    const qint64 stride = (qint64(w) * layout.bitCount + 31) / 32 * 4;
    QByteArray out;
    out.reserve(infoHeaderSize + maskBytes + 4 * layout.paletteEntries + stride * h);
    Put32(out, infoHeaderSize);
    Put32(out, quint32(w));
    Put32(out, quint32(h)); // positive: bottom row first
    Put16(out, 1);
    Put16(out, quint16(layout.bitCount));
    Put32(out, layout.masks565 ? biBitFields : biRGB);
    Put32(out, quint32(stride * h));
    Put32(out, 0); // resolution: not given
    Put32(out, 0);
    Put32(out, 0); // colours used: all the depth allows
    Put32(out, 0);
    if (layout.masks565) {
        Put32(out, masks565.red);
        Put32(out, masks565.green);
        Put32(out, masks565.blue);
    }
    const QList<QRgb> table = layout.image.colorTable();
    for (int i = 0; i < layout.paletteEntries; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        const uchar entry[4] = {uchar(qBlue(c)), uchar(qGreen(c)), uchar(qRed(c)), 0};
        out.append(reinterpret_cast<const char*>(entry), 4);
    }
    for (int y = h - 1; y >= 0; --y)
        out.append(PackRow(layout, y, stride));
    return out;
}

} // namespace

TBitmapData TBitmapFile::ReadFile(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const ByteReader in(bytes);
    const uchar* header = in.At(0, fileHeaderSize);
    if (header[0] != 'B' || header[1] != 'M')
        NotValid();
    const qint64 pixelOffset = qint64(in.U32(10)) - fileHeaderSize;
    return ReadDibAt(bytes.sliced(fileHeaderSize), pixelOffset);
}

TBitmapData TBitmapFile::ReadDIB(QByteArrayView bytes)
{
    return ReadDibAt(bytes, -1);
}

QByteArray TBitmapFile::WriteDIB(const QImage& image, TPixelFormat format)
{
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        return QByteArray();
    return WriteDibBytes(image, format);
}

QByteArray TBitmapFile::WriteFile(const QImage& image, TPixelFormat format)
{
    const QByteArray dib = WriteDIB(image, format);
    if (dib.isEmpty())
        return dib;
    const quint32 compression = qFromLittleEndian<quint32>(dib.constData() + 16);
    const quint32 bitCount = qFromLittleEndian<quint16>(dib.constData() + 14);
    const qint64 palette = bitCount <= 8 ? (qint64(1) << bitCount) * 4 : 0;
    const qint64 pixels =
        fileHeaderSize + infoHeaderSize + (compression == biBitFields ? maskBytes : 0) + palette;
    QByteArray out("BM");
    Put32(out, quint32(fileHeaderSize + dib.size()));
    Put32(out, 0); // reserved
    Put32(out, quint32(pixels));
    out.append(dib);
    return out;
}
