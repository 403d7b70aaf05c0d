#include "TGIFLZWDecoder.h"

#include "Exception.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace {
constexpr int maxCodeSize = 12;
constexpr int tableSize = 1 << maxCodeSize;
constexpr int stackSize = tableSize + 1;
constexpr quint16 endOfData = 0xFFFF;

[[noreturn]] void Fail(const char* text)
{
    throw EInvalidGraphicOperation(QString::fromLatin1(text));
}

// Reads codes least significant bit first from the data of the sub-blocks, joined.
class CodeReader {
public:
    explicit CodeReader(QByteArrayView subBlocks)
    {
        m_data.reserve(subBlocks.size() + sizeof(quint32));
        qsizetype position = 0;
        while (position < subBlocks.size()) {
            const qsizetype length = quint8(subBlocks[position++]);
            if (length == 0)
                break;
            const qsizetype available = std::min(length, subBlocks.size() - position);
            m_data.append(subBlocks.sliced(position, available));
            position += available;
        }
        m_bitCount = qint64(m_data.size()) * 8;
        m_data.append(QByteArray(sizeof(quint32), '\0')); // lets Read load 3 bytes at the end
    }

    // The next code of codeSize bits, or endOfData when not enough bits remain.
    quint16 Read(int codeSize)
    {
        if (m_bitPosition + codeSize > m_bitCount)
            return endOfData;
        const auto* bytes =
            reinterpret_cast<const uchar*>(m_data.constData()) + (m_bitPosition >> 3);
        const quint32 window = bytes[0] | bytes[1] << 8 | quint32(bytes[2]) << 16;
        const quint16 code = quint16((window >> (m_bitPosition & 7)) & ((1u << codeSize) - 1));
        m_bitPosition += codeSize;
        return code;
    }

    int PercentConsumed() const { return m_bitCount ? int(m_bitPosition * 100 / m_bitCount) : 0; }

private:
    QByteArray m_data;
    qint64 m_bitCount = 0;
    qint64 m_bitPosition = 0;
};

// Collects pixels into one row and stores each finished row at its place in the
// bottom-up raster, following the interlace passes when asked to.
class RowWriter {
public:
    explicit RowWriter(const TGIFRaster& raster)
        : m_raster(raster)
        , m_line(size_t(std::max(raster.Width, 0)))
    {
        m_done = raster.Width <= 0 || raster.Height <= 0;
    }

    bool Done() const { return m_done; }

    void Put(quint8 value)
    {
        if (m_done)
            return;
        m_line[size_t(m_x++)] = value;
        if (m_x == m_raster.Width)
            FinishRow();
    }

    // Stores a row cut short by the end of the data.
    void Flush()
    {
        if (!m_done && m_x > 0)
            StoreRow();
    }

private:
    void FinishRow()
    {
        StoreRow();
        m_x = 0;
        Advance();
    }

    void StoreRow()
    {
        uchar* target = m_raster.Bits + qsizetype(m_raster.Height - 1 - m_row) * m_raster.Stride;
        switch (m_raster.Depth) {
        case 8:
            std::memcpy(target, m_line.data(), size_t(m_x));
            break;
        case 4:
            for (int x = 0; x < m_x; ++x)
                target[x >> 1] |= (m_line[size_t(x)] & 0x0F) << ((x & 1) ? 0 : 4);
            break;
        default:
            for (int x = 0; x < m_x; ++x)
                target[x >> 3] |= (m_line[size_t(x)] & 1) << (7 - (x & 7));
            break;
        }
    }

    void Advance()
    {
        static constexpr std::array<int, 4> passStart{0, 4, 2, 1};
        static constexpr std::array<int, 4> passStep{8, 8, 4, 2};
        if (!m_raster.Interlaced) {
            m_done = ++m_row >= m_raster.Height;
            return;
        }
        m_row += passStep[size_t(m_pass)];
        while (m_row >= m_raster.Height) {
            if (++m_pass == int(passStart.size())) {
                m_done = true;
                return;
            }
            m_row = passStart[size_t(m_pass)];
        }
    }

    const TGIFRaster& m_raster;
    std::vector<quint8> m_line;
    int m_x = 0;
    int m_row = 0;
    int m_pass = 0;
    bool m_done = false;
};

// One decoding pass: the code tables and the state of the LZW dictionary.
class DecodeRun {
public:
    DecodeRun(int minimumCodeSize, quint16 pixelMask, bool tolerant, bool corrupted)
        : m_minimumCodeSize(minimumCodeSize)
        , m_pixelMask(pixelMask)
        , m_clearCode(quint16(1 << minimumCodeSize))
        , m_tolerant(tolerant)
        , m_corrupted(corrupted)
    {
        ResetDictionary();
    }

    bool Corrupted() const { return m_corrupted; }

    // Decodes codes until the end code, the end of the data or the last row.
    // Returns the code that ended decoding.
    quint16 Run(CodeReader& reader, RowWriter& writer, const TGIFLZWDecoder::Progress& progress)
    {
        const quint16 endCode = m_clearCode + 1;
        int percent = 0;
        quint16 code = reader.Read(m_codeSize);
        while (code != endCode && code != endOfData && !writer.Done()) {
            if (code == m_clearCode) {
                ResetDictionary();
                code = reader.Read(m_codeSize);
                if (code == endOfData)
                    break;
                StartString(code, writer);
            } else if (!ExpandCode(code, writer)) {
                break;
            }
            code = reader.Read(m_codeSize);
            if (progress && reader.PercentConsumed() > percent)
                progress(percent = reader.PercentConsumed());
        }
        return code;
    }

private:
    void ResetDictionary()
    {
        m_codeSize = m_minimumCodeSize + 1;
        m_limit = 1 << m_codeSize;
        m_freeCode = m_clearCode + 2;
        m_tableFull = false;
    }

    // The first code after a clear code stands for itself.
    void StartString(quint16 code, RowWriter& writer)
    {
        m_oldCode = code;
        m_firstChar = code & m_pixelMask;
        writer.Put(quint8(m_firstChar));
    }

    // Writes the string of code and adds the next dictionary entry. Returns false when
    // decoding must end because the data is corrupt.
    bool ExpandCode(quint16 code, RowWriter& writer)
    {
        const quint16 incoming = code;
        int top = 0;
        if (code >= m_freeCode) { // the string being defined: old string plus its first char
            code = m_oldCode;
            m_stack[size_t(top++)] = m_firstChar;
        }
        // Codes below the clear code are pixels. The colour table's depth may exceed the
        // code size (a 256-colour file using few colours), so the table size cannot tell.
        while (code >= m_clearCode) {
            if (top > tableSize) {
                if (!m_tolerant)
                    Fail("GIF encoded data is corrupt");
                m_corrupted = true;
                break;
            }
            m_stack[size_t(top++)] = m_suffix[code];
            code = m_prefix[code];
        }
        if (m_corrupted)
            return false;
        m_firstChar = code & m_pixelMask;
        m_stack[size_t(top++)] = m_firstChar;
        while (top > 0)
            writer.Put(quint8(m_stack[size_t(--top)]));
        AddEntry();
        m_oldCode = incoming;
        return true;
    }

    void AddEntry()
    {
        if (m_tableFull)
            return;
        m_prefix[size_t(m_freeCode)] = m_oldCode;
        m_suffix[size_t(m_freeCode)] = m_firstChar;
        if (++m_freeCode < m_limit)
            return;
        if (m_codeSize == maxCodeSize)
            m_tableFull = true;
        else
            m_limit = 1 << ++m_codeSize;
    }

    const int m_minimumCodeSize;
    const quint16 m_pixelMask;
    const quint16 m_clearCode;
    const bool m_tolerant;
    bool m_corrupted;
    int m_codeSize = 0;
    int m_limit = 0;
    int m_freeCode = 0;
    bool m_tableFull = false;
    quint16 m_oldCode = 0;
    quint16 m_firstChar = 0;
    std::array<quint16, tableSize> m_prefix{};
    std::array<quint16, tableSize> m_suffix{};
    std::array<quint16, stackSize> m_stack{};
};
} // namespace

TGIFLZWDecoder::TGIFLZWDecoder(QByteArrayView codeStream, int colorBits, bool tolerant)
    : m_codeStream(codeStream)
    , m_colorBits(colorBits)
    , m_tolerant(tolerant)
{}

bool TGIFLZWDecoder::Decode(const TGIFRaster& raster)
{
    if (m_codeStream.isEmpty())
        Fail("Stream read error");
    bool corrupted = false;
    int minimumCodeSize = quint8(m_codeStream[0]);
    if (minimumCodeSize < 2 || minimumCodeSize > 9) {
        if (!m_tolerant)
            Fail("GIF code size not in range 2 to 9");
        corrupted = true;
        minimumCodeSize = std::clamp(minimumCodeSize, 2, 9);
    }
    const auto pixelMask = quint16((1 << std::clamp(m_colorBits, 1, 8)) - 1);
    CodeReader reader(m_codeStream.sliced(1));
    RowWriter writer(raster);
    auto run = std::make_unique<DecodeRun>(minimumCodeSize, pixelMask, m_tolerant, corrupted);
    const quint16 lastCode = run->Run(reader, writer, m_progress);
    writer.Flush();
    if (lastCode == endOfData && !writer.Done())
        Fail("Stream read error");
    return run->Corrupted();
}
