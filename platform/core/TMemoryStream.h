#pragma once

#include "TStream.h"

#include <QByteArray>

// A stream over bytes held in memory; writing past the end grows it.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {}

    qint64 Read(void* buffer, qint64 count) override;
    qint64 Write(const void* buffer, qint64 count) override;
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;
    qint64 Size() const override { return m_bytes.size(); }

    const QByteArray& Bytes() const { return m_bytes; }
    void SetSize(qint64 size);
    void Clear();

private:
    QByteArray m_bytes;
    qint64 m_position = 0;
};
