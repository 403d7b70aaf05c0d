#pragma once

#include "TStream.h"

#include <QByteArray>

// A stream that reads and seeks over bytes held in memory; what it may write is its
// subclasses' choice. Seeking before the start stops at the start; past the end is
// allowed, and reading there reads nothing.
class TCustomMemoryStream : public TStream {
public:
    qint64 Read(void* buffer, qint64 count) override;
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;
    qint64 Size() const override { return m_bytes.size(); }

    const QByteArray& Bytes() const { return m_bytes; }

protected:
    TCustomMemoryStream() = default;
    explicit TCustomMemoryStream(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {}
    // For subclasses that write: the bytes and the position in them.
    QByteArray& Memory() { return m_bytes; }
    qint64 Offset() const { return m_position; }
    void SetOffset(qint64 offset) { m_position = offset; }

private:
    QByteArray m_bytes;
    qint64 m_position = 0;
};
