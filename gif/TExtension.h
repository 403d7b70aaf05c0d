#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

class TGIFBlockReader;

// The kinds of GIF extension block, by their labels 0xF9, 0x01, 0xFF and 0xFE.
enum class TGIFExtensionKind { ekGraphicControl, ekPlainText, ekApplication, ekComment };

// One extension block of a GIF file: its fixed part as read (starting with the
// block-size byte) and its data sub-blocks.
class TExtension {
public:
    // Reads the extension that follows an "!" introducer: label, fixed part, sub-blocks.
    // Raises EInvalidGraphicOperation for an unknown label and EReadError when the
    // fixed part or a sub-block is cut short.
    static TExtension Read(TGIFBlockReader& reader);

    TGIFExtensionKind BlockKind() const { return m_kind; }
    const QList<QByteArray>& SubBlocks() const { return m_subBlocks; }

    // Graphic control fields; only meaningful for ekGraphicControl.
    bool HasTransparency() const;
    quint8 TransparentIndex() const;
    quint16 DelayHundredths() const;
    quint8 DisposalCode() const;

    // The loop count of a NETSCAPE2.0 or ANIMEXTS1.0 application extension, capped at
    // 30000; nothing for any other extension.
    std::optional<quint16> LoopCount() const;

private:
    TExtension(TGIFExtensionKind kind, QByteArray fixedPart)
        : m_kind(kind)
        , m_fixedPart(std::move(fixedPart))
    {}
    quint8 FixedByte(int index) const;
    bool IsLoopApplication() const;

    TGIFExtensionKind m_kind;
    QByteArray m_fixedPart;
    QList<QByteArray> m_subBlocks;
};
