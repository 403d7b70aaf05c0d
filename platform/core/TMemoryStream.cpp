#include "TMemoryStream.h"

#include <cstring>

qint64 TMemoryStream::Read(void* buffer, qint64 count)
{
    const qint64 n = qBound<qint64>(0, qMin(count, m_bytes.size() - m_position), count);
    if (n > 0)
        std::memcpy(buffer, m_bytes.constData() + m_position, size_t(n));
    m_position += n;
    return n;
}

qint64 TMemoryStream::Write(const void* buffer, qint64 count)
{
    if (count <= 0)
        return 0;
    if (m_position + count > m_bytes.size())
        m_bytes.resize(m_position + count);
    std::memcpy(m_bytes.data() + m_position, buffer, size_t(count));
    m_position += count;
    return count;
}

qint64 TMemoryStream::Seek(qint64 offset, TSeekOrigin origin)
{
    qint64 base = 0;
    if (origin == TSeekOrigin::soCurrent)
        base = m_position;
    else if (origin == TSeekOrigin::soEnd)
        base = m_bytes.size();
    m_position = qMax<qint64>(0, base + offset);
    return m_position;
}

void TMemoryStream::SetSize(qint64 size)
{
    m_bytes.resize(qMax<qint64>(0, size));
    m_position = qMin(m_position, m_bytes.size());
}

void TMemoryStream::Clear()
{
    m_bytes.clear();
    m_position = 0;
}
