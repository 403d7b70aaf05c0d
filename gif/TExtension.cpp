#include "TExtension.h"

#include "Exception.h"
#include "TGIFBlockReader.h"

#include <algorithm>

namespace {
constexpr quint8 graphicControlLabel = 0xF9;
constexpr quint8 plainTextLabel = 0x01;
constexpr quint8 applicationLabel = 0xFF;
constexpr quint8 commentLabel = 0xFE;

constexpr int graphicControlFixedSize = 6; // block size, flags, delay (2), index, terminator
constexpr int plainTextFixedSize = 13;
constexpr int applicationFixedSize = 12; // block size, identifier (8), authentication (3)
constexpr quint16 maxLoopCount = 30000;

QList<QByteArray> ReadSubBlocks(TGIFBlockReader& reader)
{
    QList<QByteArray> blocks;
    while (!reader.AtEnd()) {
        const quint8 length = reader.ReadByte();
        if (length == 0)
            break;
        blocks.append(reader.ReadBytes(length).toByteArray());
    }
    return blocks;
}
} // namespace

TExtension TExtension::Read(TGIFBlockReader& reader)
{
    const quint8 label = reader.ReadByte();
    switch (label) {
    case graphicControlLabel:
        return TExtension(TGIFExtensionKind::ekGraphicControl,
                          reader.ReadBytes(graphicControlFixedSize).toByteArray());
    case commentLabel: {
        TExtension extension(TGIFExtensionKind::ekComment, {});
        extension.m_subBlocks = ReadSubBlocks(reader);
        return extension;
    }
    case plainTextLabel:
    case applicationLabel: {
        const bool plainText = label == plainTextLabel;
        TExtension extension(
            plainText ? TGIFExtensionKind::ekPlainText : TGIFExtensionKind::ekApplication,
            reader.ReadBytes(plainText ? plainTextFixedSize : applicationFixedSize).toByteArray());
        extension.m_subBlocks = ReadSubBlocks(reader);
        return extension;
    }
    default:
        throw EInvalidGraphicOperation(
            QStringLiteral("Unrecognized extension block: %1").arg(label, 2, 16, QLatin1Char('0')));
    }
}

quint8 TExtension::FixedByte(int index) const
{
    return index < m_fixedPart.size() ? quint8(m_fixedPart[index]) : 0;
}

bool TExtension::HasTransparency() const
{
    return FixedByte(1) & 1;
}

quint8 TExtension::TransparentIndex() const
{
    return FixedByte(4);
}

quint16 TExtension::DelayHundredths() const
{
    return quint16(FixedByte(2) | FixedByte(3) << 8);
}

quint8 TExtension::DisposalCode() const
{
    return (FixedByte(1) >> 2) & 7;
}

// The identifier and authentication code are compared over as many bytes as the block
// says it holds, as readers of this format always have.
bool TExtension::IsLoopApplication() const
{
    if (m_kind != TGIFExtensionKind::ekApplication || m_fixedPart.size() < applicationFixedSize)
        return false;
    const qsizetype count = std::min<qsizetype>(FixedByte(0), applicationFixedSize - 1);
    const QByteArrayView identifier = QByteArrayView(m_fixedPart).sliced(1, count);
    return identifier == QByteArrayView("NETSCAPE2.0").first(count) ||
           identifier == QByteArrayView("ANIMEXTS1.0").first(count);
}

std::optional<quint16> TExtension::LoopCount() const
{
    if (!IsLoopApplication() || m_subBlocks.isEmpty())
        return std::nullopt;
    const QByteArray& block = m_subBlocks.first();
    if (block.size() < 3 || quint8(block[0]) != 1)
        return std::nullopt;
    const quint16 count = quint16(quint8(block[1]) | quint8(block[2]) << 8);
    return std::min(count, maxLoopCount);
}
