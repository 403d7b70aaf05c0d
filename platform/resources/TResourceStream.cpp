#include "TResourceStream.h"

#include "Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstring>

namespace {

const QString resourceFolder = QStringLiteral(":/rcdata");

// The compiled-in raw-data resources by lower-case name, read once: the resources are
// part of the program and do not change while it runs.
const QHash<QString, QString>& ResourceIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> paths;
        const QDir folder(resourceFolder);
        for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
            const QString key = QFileInfo(file).completeBaseName().toLower();
            if (!paths.contains(key))
                paths.insert(key, folder.filePath(file));
        }
        return paths;
    }();
    return index;
}

} // namespace

QString TResourceStream::FindResource(const QString& name)
{
    return name.isEmpty() ? QString() : ResourceIndex().value(name.toLower());
}

TResourceStream::TResourceStream(const QString& name)
    : m_path(FindResource(name))
{
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
    m_bytes = file.readAll();
}

qint64 TResourceStream::Read(void* buffer, qint64 count)
{
    const qint64 n = qMax<qint64>(0, qMin(count, m_bytes.size() - m_position));
    if (n > 0)
        std::memcpy(buffer, m_bytes.constData() + m_position, size_t(n));
    m_position += n;
    return n;
}

qint64 TResourceStream::Write(const void*, qint64)
{
    throw EWriteError(QStringLiteral("Cannot write to a read-only resource stream"));
}

qint64 TResourceStream::Seek(qint64 offset, TSeekOrigin origin)
{
    qint64 base = 0;
    if (origin == TSeekOrigin::soCurrent)
        base = m_position;
    else if (origin == TSeekOrigin::soEnd)
        base = m_bytes.size();
    m_position = qMax<qint64>(0, base + offset);
    return m_position;
}

QString TResourceStream::Extension() const
{
    return QFileInfo(m_path).suffix().toLower();
}
