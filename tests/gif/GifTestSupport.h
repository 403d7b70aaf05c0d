#pragma once

#include "Exception.h"
#include "TBitmap.h"
#include "TGIFImage.h"
#include "TGIFWriter.h"
#include "TMemoryStream.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Helpers shared by the GIF tests: building files with our writer, loading them and
// reading colour indices back from decoded bitmaps.
namespace GifTest {

inline QList<QRgb> Grays(int count)
{
    QList<QRgb> palette;
    for (int i = 0; i < count; ++i)
        palette.append(qRgb(i * 255 / std::max(count - 1, 1), i, 255 - i));
    return palette;
}

// Indices x + y * width, wrapped to colors.
inline std::vector<quint8> Ramp(int width, int height, int colors)
{
    std::vector<quint8> indices(size_t(width * height));
    for (size_t i = 0; i < indices.size(); ++i)
        indices[i] = quint8(i % size_t(colors));
    return indices;
}

inline TGIFWriterImage Picture(int width, int height, int colors)
{
    return {QRect(0, 0, width, height), Ramp(width, height, colors)};
}

// A one-frame file of width x height with a global table of colors entries.
inline QByteArray OneFrame(int width, int height, int colors)
{
    TGIFWriter writer(QSize(width, height), Grays(colors));
    writer.AddImage(Picture(width, height, colors));
    return writer.Finish();
}

inline std::unique_ptr<TGIFImage> Load(const QByteArray& bytes)
{
    auto image = std::make_unique<TGIFImage>();
    TMemoryStream stream(bytes);
    image->LoadFromStream(stream);
    return image;
}

// The message of the exception of kind E that action raises; fails the test otherwise.
template <class E, class F> QString ErrorOf(F&& action)
{
    try {
        action();
    } catch (const E& error) {
        return error.Message();
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

inline int IndexAt(const TBitmap& bitmap, int x, int y)
{
    const uchar* line = bitmap.ScanLine(y);
    if (bitmap.PixelFormat() == TPixelFormat::pf1bit)
        return (line[x >> 3] >> (7 - (x & 7))) & 1;
    return line[x];
}

inline std::vector<quint8> Indices(const TBitmap& bitmap)
{
    std::vector<quint8> indices;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            indices.push_back(quint8(IndexAt(bitmap, x, y)));
    return indices;
}

// LZW data that sends every index as a literal after one clear code, growing the
// code size the way a decoder does; with or without the end code.
inline QByteArray LiteralCodes(const std::vector<quint8>& indices, int minimumCodeSize,
                               bool withEnd)
{
    std::vector<std::pair<int, int>> codes;
    int codeSize = minimumCodeSize + 1;
    int freeCode = (1 << minimumCodeSize) + 2;
    codes.emplace_back(1 << minimumCodeSize, codeSize);
    for (size_t i = 0; i < indices.size(); ++i) {
        codes.emplace_back(indices[i], codeSize);
        if (i > 0 && ++freeCode == (1 << codeSize) && codeSize < 12)
            ++codeSize;
    }
    if (withEnd)
        codes.emplace_back((1 << minimumCodeSize) + 1, codeSize);
    return TGIFWriter::PackCodes(codes);
}

} // namespace GifTest
