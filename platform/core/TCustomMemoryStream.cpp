#include "TCustomMemoryStream.h"

#include <cstring>

qint64 TCustomMemoryStream::Read(void* buffer, qint64 count)
{
    const qint64 n = qMax<qint64>(0, qMin(count, m_bytes.size() - m_position));
    if (n > 0)
        std::memcpy(buffer, m_bytes.constData() + m_position, size_t(n));
    m_position += n;
    return n;
}

qint64 TCustomMemoryStream::Seek(qint64 offset, TSeekOrigin origin)
{
    qint64 base = 0;
    if (origin == TSeekOrigin::soCurrent)
        base = m_position;
    else if (origin == TSeekOrigin::soEnd)
        base = m_bytes.size();
    m_position = qMax<qint64>(0, base + offset);
    return m_position;
}
