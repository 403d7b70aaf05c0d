#include "TGIFWriter.h"

#include <algorithm>
#include <unordered_map>

namespace {
constexpr int maxCode = 4095;
constexpr int maxSubBlock = 255;

// Packs codes least significant bit first.
class BitPacker {
public:
    void Put(int code, int size)
    {
        m_buffer |= quint32(code) << m_bits;
        m_bits += size;
        while (m_bits >= 8) {
            m_bytes += char(m_buffer & 0xFF);
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray Finish()
    {
        if (m_bits > 0)
            m_bytes += char(m_buffer & 0xFF);
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_bits = 0;
};

std::vector<quint8> InterlaceOrder(const std::vector<quint8>& indices, int width, int height)
{
    std::vector<quint8> ordered;
    ordered.reserve(indices.size());
    const int starts[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int row = starts[pass]; row < height; row += steps[pass])
            ordered.insert(ordered.end(), indices.begin() + qsizetype(row) * width,
                           indices.begin() + qsizetype(row + 1) * width);
    return ordered;
}
} // namespace

TGIFWriter::TGIFWriter(QSize screen, const QList<QRgb>& globalTable, const QByteArray& signature,
                       int backgroundIndex)
{
    m_bytes = signature;
    AddWord(quint16(screen.width()));
    AddWord(quint16(screen.height()));
    const int bits = ColorBits(globalTable.size());
    const int flags = globalTable.isEmpty() ? 0 : 0x80 | (bits - 1) << 4 | (bits - 1);
    m_bytes += char(flags);
    m_bytes += char(backgroundIndex);
    m_bytes += char(0);
    AddTable(globalTable);
}

int TGIFWriter::ColorBits(qsizetype count)
{
    int bits = 1;
    while ((qsizetype(1) << bits) < count)
        ++bits;
    return bits;
}

void TGIFWriter::AddWord(quint16 value)
{
    m_bytes += char(value & 0xFF);
    m_bytes += char(value >> 8);
}

void TGIFWriter::AddTable(const QList<QRgb>& table)
{
    if (table.isEmpty())
        return;
    const int entries = 1 << ColorBits(table.size());
    for (int i = 0; i < entries; ++i) {
        const QRgb color = i < table.size() ? table[i] : 0;
        m_bytes += char(qRed(color));
        m_bytes += char(qGreen(color));
        m_bytes += char(qBlue(color));
    }
}

void TGIFWriter::AddSubBlocks(const QByteArray& data)
{
    for (qsizetype at = 0; at < data.size(); at += maxSubBlock) {
        const QByteArray block = data.mid(at, maxSubBlock);
        m_bytes += char(block.size());
        m_bytes += block;
    }
    m_bytes += char(0);
}

void TGIFWriter::AddLoop(quint16 count)
{
    m_bytes += QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    AddWord(count);
    m_bytes += char(0);
}

void TGIFWriter::AddComment(const QList<QByteArray>& subBlocks)
{
    m_bytes += QByteArray("\x21\xFE", 2);
    for (const QByteArray& block : subBlocks) {
        m_bytes += char(block.size());
        m_bytes += block;
    }
    m_bytes += char(0);
}

void TGIFWriter::AddGraphicControl(quint16 delay, int disposal, int transparentIndex)
{
    m_bytes += QByteArray("\x21\xF9\x04", 3);
    m_bytes += char((disposal & 7) << 2 | (transparentIndex >= 0 ? 1 : 0));
    AddWord(delay);
    m_bytes += char(std::max(transparentIndex, 0));
    m_bytes += char(0);
}

void TGIFWriter::AddImage(const TGIFWriterImage& image)
{
    m_bytes += char(0x2C);
    AddWord(quint16(image.Rect.left()));
    AddWord(quint16(image.Rect.top()));
    AddWord(quint16(image.Rect.width()));
    AddWord(quint16(image.Rect.height()));
    const int localBits = ColorBits(image.LocalTable.size());
    int flags = image.Interlaced ? 0x40 : 0;
    if (!image.LocalTable.isEmpty())
        flags |= 0x80 | (localBits - 1);
    m_bytes += char(flags);
    AddTable(image.LocalTable);
    const quint8 largest =
        image.Indices.empty() ? 0 : *std::max_element(image.Indices.begin(), image.Indices.end());
    const int codeSize = image.MinimumCodeSize ? image.MinimumCodeSize
                                               : std::max(2, ColorBits(qsizetype(largest) + 1));
    m_bytes += char(codeSize);
    if (!image.Codes.isEmpty()) {
        AddSubBlocks(image.Codes);
        return;
    }
    AddSubBlocks(Compress(
        image.Interlaced ? InterlaceOrder(image.Indices, image.Rect.width(), image.Rect.height())
                         : image.Indices,
        codeSize));
}

QByteArray TGIFWriter::PackCodes(const std::vector<std::pair<int, int>>& codes)
{
    BitPacker packer;
    for (const auto& [code, size] : codes)
        packer.Put(code, size);
    return packer.Finish();
}

QByteArray TGIFWriter::Compress(const std::vector<quint8>& indices, int minimumCodeSize)
{
    const int clearCode = 1 << minimumCodeSize;
    BitPacker packer;
    int codeSize = minimumCodeSize + 1;
    int nextCode = clearCode + 2;
    std::unordered_map<quint32, int> dictionary; // (prefix code << 8 | index) -> code
    packer.Put(clearCode, codeSize);
    int prefix = -1;
    for (const quint8 index : indices) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        const quint32 key = quint32(prefix) << 8 | index;
        if (const auto found = dictionary.find(key); found != dictionary.end()) {
            prefix = found->second;
            continue;
        }
        packer.Put(prefix, codeSize);
        dictionary.emplace(key, nextCode++);
        if (nextCode > (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (nextCode > maxCode) {
            packer.Put(clearCode, codeSize);
            dictionary.clear();
            codeSize = minimumCodeSize + 1;
            nextCode = clearCode + 2;
        }
        prefix = index;
    }
    if (prefix >= 0)
        packer.Put(prefix, codeSize);
    packer.Put(clearCode + 1, codeSize);
    return packer.Finish();
}
