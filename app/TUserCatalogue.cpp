#include "TUserCatalogue.h"

#include "Exception.h"
#include "TCatalogueStore.h"
#include "TJetImporter.h"
#include "TSQLiteDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// How long the copy waits for another program's lock on the source.
constexpr int busyTimeoutMs = 5000;

} // namespace

QString TUserCatalogue::Path()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("zentuvio/Mirelvane.mdb"));
}

bool TUserCatalogue::Exists()
{
    return QFileInfo::exists(Path());
}

// An SQLite catalogue is copied whole and compacted; an Access one is converted, every
// row that can be read, by the catalogue tool's own conversion.
void TUserCatalogue::Copy(const QString& source, const QString& target)
{
    if (TCatalogueStore::Detect(source) == TCatalogueStore::TKind::Jet) {
        TJetImporter::Import(source, target);
        return;
    }
    TSQLiteDatabase database(source, TSQLiteDatabase::TAccess::ReadOnly, busyTimeoutMs);
    database.Execute(QStringLiteral("VACUUM INTO '%1'")
                         .arg(QString(target).replace(QStringLiteral("'"), QStringLiteral("''"))),
                     QStringLiteral("Cannot copy the catalogue"));
}

void TUserCatalogue::CreateFrom(const QString& source)
{
    const QString target = Path();
    const auto fail = [&](const QString& cause) {
        return EDatabaseError(
            QStringLiteral("Cannot copy the catalogue %1 to %2: %3").arg(source, target, cause));
    };
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw fail(QStringLiteral("the folder cannot be made"));
    // A name beside the target that nothing else uses; the copy wants no file there.
    QString part;
    {
        QTemporaryFile reserve(target + QStringLiteral(".XXXXXX"));
        if (!reserve.open())
            throw fail(reserve.errorString());
        part = reserve.fileName();
    }
    try {
        Copy(source, part);
    } catch (const Exception& error) {
        QFile::remove(part);
        throw fail(error.Message());
    }
    // Renaming never replaces a file that appeared at the target meanwhile.
    if (!QFile::rename(part, target)) {
        QFile::remove(part);
        throw fail(QStringLiteral("a file of that name is in the way"));
    }
}
