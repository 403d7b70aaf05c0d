#include "TADOConnection.h"
#include "TDataFiles.h"
#include "TMianForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An installation in a temporary prefix: PREFIX/bin for the program and its data folder.
class DataFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefix.isValid());
        bin = prefix.filePath(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(bin));
    }
    void TearDown() override { TDataFiles::ChooseCatalogue(QString()); }

    static void Touch(const QString& path)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir prefix;
    QString bin;
    const QString help = QStringLiteral("help/question.htm");
};

} // namespace

TEST_F(DataFiles, TheInstalledDataFolderLiesInShareUnderThePrefix)
{
    EXPECT_EQ(TDataFiles::InstalledDataFolder(bin),
              prefix.filePath(QStringLiteral("share/zentuvio")));
}

TEST_F(DataFiles, AFileBesideTheProgramComesFirst)
{
    Touch(QDir(bin).filePath(help));
    Touch(QDir(TDataFiles::InstalledDataFolder(bin)).filePath(help));
    EXPECT_EQ(TDataFiles::Find(bin, help), QDir(bin).filePath(help));
}

TEST_F(DataFiles, TheInstalledDataFolderIsLookedInNext)
{
    const QString installed = QDir(TDataFiles::InstalledDataFolder(bin)).filePath(help);
    Touch(installed);
    EXPECT_EQ(TDataFiles::Find(bin, help), installed);
}

TEST_F(DataFiles, AMissingFileIsNamedBesideTheProgram)
{
    EXPECT_EQ(TDataFiles::Find(bin, help), QDir(bin).filePath(help));
}

TEST_F(DataFiles, AChosenCatalogueTakesThePlaceOfTheOneFound)
{
    const QString found = TDataFiles::CataloguePath();
    EXPECT_TRUE(found.startsWith(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(found.endsWith(QStringLiteral("/Data/Mirelvane.mdb")));
    TDataFiles::ChooseCatalogue(QStringLiteral("mine.mdb"));
    EXPECT_EQ(TDataFiles::CataloguePath(), QDir::current().absoluteFilePath("mine.mdb"));
    TDataFiles::ChooseCatalogue(QString());
    EXPECT_EQ(TDataFiles::CataloguePath(), found);
}

TEST_F(DataFiles, TheConnectionStringCarriesAChosenCatalogueOfAnyName)
{
    for (const char* name :
         {"plain.mdb", "semi;colon.mdb", "\"quoted\" 'name'.mdb", " blank.mdb "}) {
        const QString path = prefix.filePath(QString::fromUtf8(name));
        TDataFiles::ChooseCatalogue(path);
        TADOConnection connection(nullptr);
        connection.SetConnectionString(TMianForm::ConnectionString());
        EXPECT_EQ(connection.DatabasePath(), path) << name;
    }
}

// A server's URI is no path: it reaches the connection as it was given.
TEST_F(DataFiles, AChosenServerIsKeptAsItsUri)
{
    const QString uri =
        QStringLiteral("postgresql://ann@db.example.org:5433/art?sslmode=verify-full&"
                       "sslrootcert=C:\\certs\\team.crt");
    TDataFiles::ChooseCatalogue(uri);
    EXPECT_EQ(TDataFiles::CataloguePath(), uri);
    TADOConnection connection(nullptr);
    connection.SetConnectionString(TMianForm::ConnectionString());
    EXPECT_EQ(connection.DatabasePath(), uri);
}
