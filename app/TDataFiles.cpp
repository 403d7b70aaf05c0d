#include "TDataFiles.h"

#include "Exception.h"
#include "TCatalogueStore.h"
#include "TPgUri.h"
#include "TUserCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TDataFiles::CataloguePath()
{
    if (!ChosenCatalogue().isEmpty())
        return ChosenCatalogue();
    if (TUserCatalogue::Exists())
        return TUserCatalogue::Path();
    return Find(QCoreApplication::applicationDirPath(), QStringLiteral("Data/Mirelvane.mdb"));
}

QString TDataFiles::HelpPagePath()
{
    return Find(QCoreApplication::applicationDirPath(), QStringLiteral("help/question.htm"));
}

void TDataFiles::ChooseCatalogue(const QString& path)
{
    if (path.isEmpty() || TPgUri::IsUri(path))
        ChosenCatalogue() = path;
    else
        ChosenCatalogue() = QFileInfo(path).absoluteFilePath();
}

QString TDataFiles::Find(const QString& programFolder, const QString& relativePath)
{
    const QString beside = QDir(programFolder).filePath(relativePath);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir(InstalledDataFolder(programFolder)).filePath(relativePath);
    return QFileInfo::exists(installed) ? installed : beside;
}

QString TDataFiles::InstalledDataFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(ZENTUVIO_DATA_FROM_BIN)));
}

bool TDataFiles::CatalogueWritable(const QString& path, const QString& programFolder)
{
    if (TPgUri::IsUri(path))
        return true;
    const QFileInfo file(path);
    const QString installed = QDir(InstalledDataFolder(programFolder)).absolutePath() + u'/';
    if (file.absoluteFilePath().startsWith(installed))
        return false;
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (!file.isFile() || !file.isWritable() || !(file.permissions() & anyWrite) ||
        !QFileInfo(file.absolutePath()).isWritable())
        return false;
    try {
        const TCatalogueStore::TKind kind = TCatalogueStore::Detect(path);
        return TCatalogueStore::ReadOnlyReason(kind, path).isEmpty();
    } catch (const Exception&) {
        return false; // neither store: nothing can be added to it
    }
}

QString& TDataFiles::ChosenCatalogue()
{
    static QString chosen;
    return chosen;
}
