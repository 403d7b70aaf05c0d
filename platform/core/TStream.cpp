#include "TStream.h"

#include "Exception.h"

void TStream::ReadBuffer(void* buffer, qint64 count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void* buffer, qint64 count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError(QStringLiteral("Stream write error"));
}

QByteArray TStream::ReadRest()
{
    QByteArray bytes(qMax<qint64>(0, Remaining()), Qt::Uninitialized);
    ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

qint64 TStream::CopyFrom(TStream& source, qint64 count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr qint64 chunk = 64 * 1024;
    char buffer[chunk];
    qint64 left = count;
    while (left > 0) {
        const qint64 n = qMin(left, chunk);
        source.ReadBuffer(buffer, n);
        WriteBuffer(buffer, n);
        left -= n;
    }
    return count;
}
