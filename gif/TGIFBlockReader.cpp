#include "TGIFBlockReader.h"

#include "Exception.h"

void TGIFBlockReader::Require(qsizetype count) const
{
    if (count < 0 || count > Remaining())
        throw EReadError(QStringLiteral("Stream read error"));
}

quint8 TGIFBlockReader::ReadByte()
{
    Require(1);
    return quint8(m_bytes[m_position++]);
}

quint16 TGIFBlockReader::ReadWord()
{
    Require(2);
    const quint16 low = quint8(m_bytes[m_position]);
    const quint16 high = quint8(m_bytes[m_position + 1]);
    m_position += 2;
    return quint16(low | high << 8);
}

QByteArrayView TGIFBlockReader::ReadBytes(qsizetype count)
{
    Require(count);
    const QByteArrayView view = m_bytes.sliced(m_position, count);
    m_position += count;
    return view;
}
