#include "TGIFDibFile.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TGIFItem.h"

#include <QtEndian>

namespace {
constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr quint8 paddingGrey = 128; // palette entries past the colour table

void PutWord(uchar*& at, quint16 value)
{
    qToLittleEndian(value, at);
    at += 2;
}

void PutLong(uchar*& at, quint32 value)
{
    qToLittleEndian(value, at);
    at += 4;
}

// File header, info header and palette, in front of imageSize bytes of pixels.
void PutHeaders(uchar* at, const TGIFItem& item, int depth, qsizetype imageSize)
{
    const int paletteEntries = 1 << depth;
    const quint32 pixelOffset = fileHeaderSize + infoHeaderSize + 4 * paletteEntries;
    *at++ = 'B';
    *at++ = 'M';
    PutLong(at, quint32(pixelOffset + imageSize));
    PutLong(at, 0); // reserved
    PutLong(at, pixelOffset);
    PutLong(at, infoHeaderSize);
    PutLong(at, quint32(item.FrameSize.width()));
    PutLong(at, quint32(item.FrameSize.height())); // positive: bottom-up rows
    PutWord(at, 1);                                // planes
    PutWord(at, quint16(depth));
    PutLong(at, 0); // no compression
    PutLong(at, quint32(imageSize));
    for (int i = 0; i < 4; ++i)
        PutLong(at, 0); // resolutions, colours used and important
    const TGIFColorTable& table = item.ColorTable;
    for (int i = 0; i < paletteEntries; ++i) {
        const bool inTable = i < table.EntryCount;
        const quint8* rgb = table.Entries.data() + 3 * i;
        *at++ = inTable ? rgb[2] : paddingGrey;
        *at++ = inTable ? rgb[1] : paddingGrey;
        *at++ = inTable ? rgb[0] : paddingGrey;
        *at++ = inTable ? 0 : paddingGrey;
    }
}
} // namespace

int TGIFDibFile::DepthFor(int colorBits)
{
    if (colorBits == 1)
        return 1;
    if (colorBits >= 2 && colorBits <= 4)
        return 4;
    if (colorBits >= 5 && colorBits <= 8)
        return 8;
    throw EInvalidGraphicOperation(QStringLiteral("Wrong number of colors; must be a power of 2"));
}

QByteArray TGIFDibFile::Build(const TGIFItem& item, bool interlaced, bool tolerant,
                              const TGIFLZWDecoder::Progress& progress, bool& corrupted)
{
    const int depth = DepthFor(item.ColorBits);
    const int width = item.FrameSize.width();
    const int height = item.FrameSize.height();
    const qsizetype stride = (qsizetype(width) * depth + 31) / 32 * 4;
    const qsizetype imageSize = stride * height;
    if (width > TBitmap::MaxDimension || height > TBitmap::MaxDimension ||
        qint64(width) * height > TBitmap::MaxPixels)
        throw EInvalidGraphicOperation(
            QStringLiteral("GIF frame too large: %1 x %2").arg(width).arg(height));
    const qsizetype pixelOffset = fileHeaderSize + infoHeaderSize + 4 * (qsizetype(1) << depth);
    QByteArray file(pixelOffset + imageSize, '\0');
    auto* bytes = reinterpret_cast<uchar*>(file.data());
    PutHeaders(bytes, item, depth, imageSize);

    TGIFLZWDecoder decoder(item.CodeStream ? QByteArrayView(item.CodeStream->Bytes())
                                           : QByteArrayView(),
                           item.ColorBits, tolerant);
    decoder.SetProgress(progress);
    corrupted = decoder.Decode({bytes + pixelOffset, stride, width, height, depth, interlaced});
    return file;
}
