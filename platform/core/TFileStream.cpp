#include "TFileStream.h"

#include "Exception.h"

namespace {

QIODevice::OpenMode OpenMode(TFileMode mode)
{
    switch (mode) {
    case TFileMode::fmCreate:
        return QIODevice::ReadWrite | QIODevice::Truncate;
    case TFileMode::fmOpenWrite:
        return QIODevice::WriteOnly | QIODevice::ExistingOnly;
    case TFileMode::fmOpenReadWrite:
        return QIODevice::ReadWrite | QIODevice::ExistingOnly;
    default:
        return QIODevice::ReadOnly;
    }
}

} // namespace

TFileStream::TFileStream(const QString& fileName, TFileMode mode)
    : m_fileName(fileName)
    , m_file(fileName)
{
    if (m_file.open(OpenMode(mode)))
        return;
    if (mode == TFileMode::fmCreate)
        throw EFCreateError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, m_file.errorString()));
    throw EFOpenError(
        QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, m_file.errorString()));
}

TFileStream::~TFileStream() = default;

qint64 TFileStream::Read(void* buffer, qint64 count)
{
    if (count <= 0 || !m_file.isReadable())
        return 0;
    const qint64 n = m_file.read(static_cast<char*>(buffer), count);
    return n < 0 ? 0 : n;
}

qint64 TFileStream::Write(const void* buffer, qint64 count)
{
    if (count <= 0 || !m_file.isWritable())
        return 0;
    const qint64 n = m_file.write(static_cast<const char*>(buffer), count);
    return n < 0 ? 0 : n;
}

qint64 TFileStream::Seek(qint64 offset, TSeekOrigin origin)
{
    qint64 base = 0;
    if (origin == TSeekOrigin::soCurrent)
        base = m_file.pos();
    else if (origin == TSeekOrigin::soEnd)
        base = m_file.size();
    const qint64 target = base + offset;
    if (target >= 0 && target != m_file.pos())
        m_file.seek(target);
    return m_file.pos();
}

qint64 TFileStream::Size() const
{
    return m_file.size();
}
