#include "TMemoryStream.h"

#include <cstring>

qint64 TMemoryStream::Write(const void* buffer, qint64 count)
{
    if (count <= 0)
        return 0;
    QByteArray& bytes = Memory();
    const qint64 at = Offset();
    if (at + count > bytes.size())
        bytes.resize(at + count);
    std::memcpy(bytes.data() + at, buffer, size_t(count));
    SetOffset(at + count);
    return count;
}

void TMemoryStream::SetSize(qint64 size)
{
    Memory().resize(qMax<qint64>(0, size));
    SetOffset(qMin(Offset(), Size()));
}

void TMemoryStream::Clear()
{
    Memory().clear();
    SetOffset(0);
}
