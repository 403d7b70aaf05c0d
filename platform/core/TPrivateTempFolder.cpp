#include "TPrivateTempFolder.h"

#include "Exception.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <mutex>

namespace {

// The folder itself; QTemporaryDir makes it readable by the user alone.
QTemporaryDir& Folder()
{
    static QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("zentuvio-XXXXXX")));
    return folder;
}

} // namespace

QString TPrivateTempFolder::Place(const QString& fileName, const QByteArray& bytes)
{
    static std::mutex lock;
    static int made = 0;
    const std::lock_guard guard(lock);
    QTemporaryDir& folder = Folder();
    const QString fail = QStringLiteral("Cannot create the file %1: %2");
    if (!folder.isValid())
        throw EFCreateError(fail.arg(fileName, folder.errorString()));
    const QString place = folder.filePath(QString::number(++made));
    QFile file(QDir(place).filePath(fileName));
    if (!QDir().mkpath(place) || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw EFCreateError(fail.arg(file.fileName(), file.errorString()));
    return file.fileName();
}
