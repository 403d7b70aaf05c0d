#pragma once

#include "TCustomMemoryStream.h"

// A stream over bytes held in memory; writing past the end grows it.
class TMemoryStream : public TCustomMemoryStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(QByteArray bytes)
        : TCustomMemoryStream(std::move(bytes))
    {}

    qint64 Write(const void* buffer, qint64 count) override;

    void SetSize(qint64 size);
    void Clear();
};
