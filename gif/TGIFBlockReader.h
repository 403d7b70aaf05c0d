#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A cursor over the bytes of a GIF file. Every read checks the remaining length first
// and raises EReadError ("Stream read error") when the bytes are not there.
class TGIFBlockReader {
public:
    explicit TGIFBlockReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {}

    bool AtEnd() const { return m_position >= m_bytes.size(); }
    qsizetype Position() const { return m_position; }
    qsizetype Remaining() const { return m_bytes.size() - m_position; }

    quint8 ReadByte();
    // A 16-bit little-endian number.
    quint16 ReadWord();
    QByteArrayView ReadBytes(qsizetype count);

private:
    void Require(qsizetype count) const;

    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};
