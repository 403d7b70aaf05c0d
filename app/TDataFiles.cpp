#include "TDataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString TDataFiles::CataloguePath()
{
    if (!ChosenCatalogue().isEmpty())
        return ChosenCatalogue();
    return Find(QCoreApplication::applicationDirPath(), QStringLiteral("Data/Mirelvane.mdb"));
}

QString TDataFiles::HelpPagePath()
{
    return Find(QCoreApplication::applicationDirPath(), QStringLiteral("help/question.htm"));
}

void TDataFiles::ChooseCatalogue(const QString& path)
{
    ChosenCatalogue() = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
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

QString& TDataFiles::ChosenCatalogue()
{
    static QString chosen;
    return chosen;
}
