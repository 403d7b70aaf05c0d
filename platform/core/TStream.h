#pragma once

#include <QByteArray>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A stream of bytes with a position. Read and Write move as far as they can and say
// how far; ReadBuffer and WriteBuffer move all the way or raise EReadError
// ("Stream read error") and EWriteError ("Stream write error").
class TStream {
public:
    virtual ~TStream() = default;

    virtual qint64 Read(void* buffer, qint64 count) = 0;
    virtual qint64 Write(const void* buffer, qint64 count) = 0;
    virtual qint64 Seek(qint64 offset, TSeekOrigin origin) = 0;
    virtual qint64 Size() const = 0;

    qint64 Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(qint64 position) { Seek(position, TSeekOrigin::soBeginning); }
    qint64 Remaining() { return Size() - Position(); }

    void ReadBuffer(void* buffer, qint64 count);
    void WriteBuffer(const void* buffer, qint64 count);
    // The bytes from the position to the end; the position moves to the end.
    QByteArray ReadRest();
    // Copies count bytes from source (all of it from its start when count is 0).
    qint64 CopyFrom(TStream& source, qint64 count);
};
