#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <utility>
#include <vector>

// One picture of a GIF file: its place on the logical screen and its colour indices,
// row by row from the top.
struct TGIFWriterImage {
    TGIFWriterImage(QRect rect, std::vector<quint8> indices, QList<QRgb> localTable = {},
                    bool interlaced = false, int minimumCodeSize = 0)
        : Rect(rect)
        , Indices(std::move(indices))
        , LocalTable(std::move(localTable))
        , Interlaced(interlaced)
        , MinimumCodeSize(minimumCodeSize)
    {}

    QRect Rect; // pixels on the logical screen
    std::vector<quint8> Indices;
    QList<QRgb> LocalTable; // empty: the frame uses the global table
    bool Interlaced;
    int MinimumCodeSize; // 0: chosen from the table size
    QByteArray Codes;    // not empty: written as the LZW data instead of Indices
};

// Writes GIF data block by block, in the order of the calls, so that tests can build
// well-formed files as well as files with any block out of place. Used by tests,
// benchmarks and tools; the product itself writes no GIF data.
class TGIFWriter {
public:
    // Writes the header and logical screen descriptor, and the global table when given.
    TGIFWriter(QSize screen, const QList<QRgb>& globalTable, const QByteArray& signature = "GIF89a",
               int backgroundIndex = 0);

    void AddLoop(quint16 count);
    void AddComment(const QList<QByteArray>& subBlocks);
    // delay: hundredths of a second; transparentIndex < 0: none.
    void AddGraphicControl(quint16 delay, int disposal, int transparentIndex);
    void AddImage(const TGIFWriterImage& image);
    void AddBytes(const QByteArray& bytes) { m_bytes += bytes; }
    // The file so far with the trailer appended.
    QByteArray Finish() const { return m_bytes + char(0x3B); }
    const QByteArray& Bytes() const { return m_bytes; }

    // Smallest exponent n with 2^n >= count, at least 1.
    static int ColorBits(qsizetype count);
    // The LZW data of indices as sub-blocks with terminator, after the code-size byte.
    static QByteArray Compress(const std::vector<quint8>& indices, int minimumCodeSize);
    // Packs codes least significant bit first, each with its size in bits.
    static QByteArray PackCodes(const std::vector<std::pair<int, int>>& codes);

private:
    void AddWord(quint16 value);
    void AddTable(const QList<QRgb>& table);
    void AddSubBlocks(const QByteArray& data);

    QByteArray m_bytes;
};
