#include "TResourceStream.h"

#include "Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

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

// The bytes of the resource of that name; raises EResNotFound without one.
QByteArray ResourceBytes(const QString& name)
{
    QFile file(TResourceStream::FindResource(name));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
    return file.readAll();
}

} // namespace

QString TResourceStream::FindResource(const QString& name)
{
    return name.isEmpty() ? QString() : ResourceIndex().value(name.toLower());
}

TResourceStream::TResourceStream(const QString& name)
    : TCustomMemoryStream(ResourceBytes(name))
    , m_path(FindResource(name))
{}

qint64 TResourceStream::Write(const void*, qint64)
{
    throw EWriteError(QStringLiteral("Cannot write to a read-only resource stream"));
}

QString TResourceStream::Extension() const
{
    return QFileInfo(m_path).suffix().toLower();
}
