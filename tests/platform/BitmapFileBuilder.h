#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <functional>

// Writes Windows bitmap bytes field by field, independently of the reader under test,
// so that tests can build any header (also damaged ones) and known pixels.
class BitmapFileBuilder {
public:
    int headerSize = 40; // 12 for the core header
    int width = 4;
    int height = 3; // negative: top row first
    int planes = 1;
    int bitCount = 24;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
    QList<quint32> masks;   // written after a 40-byte header when not empty
    QList<quint32> palette; // 0x00RRGGBB entries
    // Pixel value at (x, y) of the picture, top row 0: a palette index, or 0x00RRGGBB
    // (16 bits: the raw 16-bit value).
    std::function<quint32(int x, int y)> pixel = [](int, int) { return 0u; };
    // Pixel data as stored (overrides pixel when not empty): for RLE.
    QByteArray rawPixels;
    bool fileHeader = true;
    qint64 pixelOffset = -1; // the file header's offset field; -1: right after the palette

    QByteArray Build() const
    {
        QByteArray dib;
        if (headerSize == 12) {
            Put32(dib, 12);
            Put16(dib, quint16(width));
            Put16(dib, quint16(height));
            Put16(dib, quint16(planes));
            Put16(dib, quint16(bitCount));
        } else {
            Put32(dib, quint32(headerSize));
            Put32(dib, quint32(width));
            Put32(dib, quint32(height));
            Put16(dib, quint16(planes));
            Put16(dib, quint16(bitCount));
            Put32(dib, compression);
            Put32(dib, 0);
            Put32(dib, 2835);
            Put32(dib, 2835);
            Put32(dib, colorsUsed);
            Put32(dib, 0);
            dib.append(QByteArray(headerSize - 40, '\0'));
        }
        for (quint32 mask : masks)
            Put32(dib, mask);
        for (quint32 color : palette) {
            dib.append(char(color & 0xFF));
            dib.append(char((color >> 8) & 0xFF));
            dib.append(char((color >> 16) & 0xFF));
            if (headerSize != 12)
                dib.append('\0');
        }
        const qint64 tableEnd = dib.size();
        dib.append(rawPixels.isEmpty() ? Rows() : rawPixels);
        if (!fileHeader)
            return dib;
        QByteArray file("BM");
        Put32(file, quint32(14 + dib.size()));
        Put32(file, 0);
        Put32(file, quint32(pixelOffset >= 0 ? pixelOffset : 14 + tableEnd));
        return file + dib;
    }

    static int Stride(int width, int bitCount) { return (width * bitCount + 31) / 32 * 4; }

private:
    QByteArray Rows() const
    {
        const int rows = height < 0 ? -height : height;
        const int stride = Stride(width, bitCount);
        QByteArray out;
        for (int r = 0; r < rows; ++r) {
            const int y = height < 0 ? r : rows - 1 - r;
            QByteArray row(stride, '\0');
            for (int x = 0; x < width; ++x)
                PutPixel(row, x, pixel(x, y));
            out.append(row);
        }
        return out;
    }

    void PutPixel(QByteArray& row, int x, quint32 v) const
    {
        auto* p = reinterpret_cast<uchar*>(row.data());
        switch (bitCount) {
        case 1:
            p[x / 8] |= uchar((v & 1) << (7 - x % 8));
            break;
        case 4:
            p[x / 2] |= uchar((x % 2) ? (v & 0x0F) : (v & 0x0F) << 4);
            break;
        case 8:
            p[x] = uchar(v);
            break;
        case 16:
            p[2 * x] = uchar(v);
            p[2 * x + 1] = uchar(v >> 8);
            break;
        case 24:
            p[3 * x] = uchar(v);
            p[3 * x + 1] = uchar(v >> 8);
            p[3 * x + 2] = uchar(v >> 16);
            break;
        case 32:
            p[4 * x] = uchar(v);
            p[4 * x + 1] = uchar(v >> 8);
            p[4 * x + 2] = uchar(v >> 16);
            p[4 * x + 3] = uchar(v >> 24);
            break;
        default: // a depth that no bitmap has: no pixels
            break;
        }
    }

    static void Put16(QByteArray& out, quint16 v)
    {
        out.append(char(v & 0xFF));
        out.append(char(v >> 8));
    }
    static void Put32(QByteArray& out, quint32 v)
    {
        Put16(out, quint16(v & 0xFFFF));
        Put16(out, quint16(v >> 16));
    }
};
