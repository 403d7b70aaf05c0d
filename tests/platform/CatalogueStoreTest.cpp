#include "Exception.h"
#include "JetTestSupport.h"
#include "TCatalogueStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A catalogue's store is told by the file's content, whatever its name; a file that is
// neither store is named with what it is not.
using namespace JetTestSupport;
using TKind = TCatalogueStore::TKind;

namespace {

QString DetectError(const QString& path)
{
    try {
        TCatalogueStore::Detect(path);
    } catch (const EDatabaseError& error) {
        return error.Message();
    }
    return QString();
}

} // namespace

TEST(CatalogueStore, AccessFilesAreKnownByContentWhateverTheirName)
{
    QTemporaryDir folder;
    const QByteArray access = ReadFile(FixturePath(QStringLiteral("catalogue-jet4.mdb")));
    const QString renamed = folder.filePath(QStringLiteral("pictures.db"));
    WriteFile(renamed, access.left(pageBytes));
    EXPECT_EQ(TCatalogueStore::Detect(FixturePath(QStringLiteral("catalogue-jet4-v2003.mdb"))),
              TKind::Jet);
    EXPECT_EQ(TCatalogueStore::Detect(renamed), TKind::Jet);
    const QString sqlite = folder.filePath(QStringLiteral("Mirelvane.mdb"));
    WriteFile(sqlite, QByteArray("SQLite format 3\0", 16) + QByteArray(100, '\0'));
    EXPECT_EQ(TCatalogueStore::Detect(sqlite), TKind::SQLite);
}

TEST(CatalogueStore, MissingEmptyAndFolderStayOnTheSQLitePath)
{
    QTemporaryDir folder;
    const QString empty = folder.filePath(QStringLiteral("empty.mdb"));
    WriteFile(empty, QByteArray());
    EXPECT_EQ(TCatalogueStore::Detect(empty), TKind::SQLite);
    EXPECT_EQ(TCatalogueStore::Detect(folder.filePath(QStringLiteral("missing.mdb"))),
              TKind::SQLite);
    EXPECT_EQ(TCatalogueStore::Detect(folder.path()), TKind::SQLite);
}

TEST(CatalogueStore, OtherFilesAreNamedWithWhatTheyAreNot)
{
    QTemporaryDir folder;
    const QString jpeg = folder.filePath(QStringLiteral("Mirelvane.mdb"));
    WriteFile(jpeg, ReadFile(FixturePath(QStringLiteral("images/small2.jpg"))));
    const QString jpegError = DetectError(jpeg);
    EXPECT_TRUE(jpegError.contains(jpeg));
    EXPECT_TRUE(jpegError.contains(QStringLiteral("neither an SQLite database nor an Access")));
    EXPECT_TRUE(jpegError.contains(QStringLiteral("JPEG picture"))) << jpegError.toStdString();

    TJetScope scope;
    const QString zeroed = scope.ZeroedHeader(QStringLiteral("catalogue-jet4"));
    EXPECT_TRUE(DetectError(zeroed).contains(QStringLiteral("header is lost")));

    const QString text = folder.filePath(QStringLiteral("notes.mdb"));
    WriteFile(text, "Standard Jet DB is what it should say at byte 4");
    EXPECT_FALSE(DetectError(text).isEmpty());
}
