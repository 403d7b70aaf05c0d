#include "CatalogueFiles.h"
#include "DatabaseError.h"
#include "Exception.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteResultPlan.h"
#include "TSQLiteTestCatalogue.h"

#include <sqlite3.h>

TEST(Catalogue, CreateRefusesAnExistingFileAndLeavesItAlone)
{
    TCatalogueFiles files;
    const QString other = files.Write(QStringLiteral("notes.txt"), "keep me");
    const QString error = DatabaseError([&] { TCatalogue::Create(other); });
    EXPECT_TRUE(error.contains(other)) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("already exists")));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

TEST(Catalogue, OpeningNamesTheFileAndTheCause)
{
    TCatalogueFiles files;
    const QString missing = files.PathOf(QStringLiteral("missing.mdb"));
    const QString text = files.Write(QStringLiteral("text.mdb"), QByteArray(2048, 'x'));
    const TSQLiteTestCatalogue otherColumns(
        "CREATE TABLE picture(ID INTEGER PRIMARY KEY, parent INTEGER, image BLOB)");
    const QString other = otherColumns.Location();
    const TSQLiteTestCatalogue withoutRowIds("CREATE TABLE picture(code TEXT PRIMARY KEY, "
                                             "parent INTEGER, Mirelvane BLOB) WITHOUT ROWID");
    const QString keyless = withoutRowIds.Location();
    const QString empty = files.Write(QStringLiteral("empty.mdb"), QByteArray());

    const struct {
        QString path;
        const char* cause;
    } cases[] = {{missing, "Could not find file"},
                 {text, "neither an SQLite database nor an Access"},
                 {other, "no column Mirelvane"},
                 {keyless, "no row ids"},
                 {empty, "no table picture"}};
    for (const auto& [path, cause] : cases) {
        const QString error = DatabaseError([&] { TCatalogue catalogue(path); });
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(cause))) << error.toStdString();
    }
}

TEST(Catalogue, ListsByCategoryAndExportsTheStoredBytes)
{
    TCatalogueFiles files;
    TCatalogue catalogue(files.DatabasePath());
    const QByteArray bytes = TCatalogueFiles::Jpeg() + QByteArray(3, '\0');
    const qint64 icon = catalogue.Add({0, "add", "add.png", bytes});
    catalogue.Add({10, "form", "form.png", "BM..."});

    const auto icons = TCatalogueFiles::Entries(catalogue, 0);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].id, icon);
    EXPECT_EQ(icons[0].name, QStringLiteral("add"));
    EXPECT_EQ(icons[0].file, QStringLiteral("add.png"));
    EXPECT_EQ(icons[0].bytes, bytes.size());
    EXPECT_EQ(TCatalogueFiles::Entries(catalogue).size(), 2u);

    const QString target = files.PathOf(QStringLiteral("out.jpg"));
    catalogue.Export(icon, target);
    QFile exported(target);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll(), bytes);

    const QString error = DatabaseError([&] { catalogue.Export(999, target); });
    EXPECT_TRUE(error.contains(QStringLiteral("999"))) << error.toStdString();
}

TEST(Catalogue, RemovesAllOrNothing)
{
    TCatalogueFiles files;
    TCatalogue catalogue(files.DatabasePath());
    const qint64 first = catalogue.Add({0, "a", "a.jpg", "1"});
    const qint64 second = catalogue.Add({0, "b", "b.jpg", "2"});

    const QString error = DatabaseError([&] { catalogue.Remove({first, second + 100}); });
    EXPECT_TRUE(error.contains(QString::number(second + 100))) << error.toStdString();
    EXPECT_EQ(TCatalogueFiles::Entries(catalogue).size(), 2u);

    catalogue.Remove({first});
    const auto left = TCatalogueFiles::Entries(catalogue);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].id, second);
}

// The gallery's category query must keep only keys when it opens, reading each picture
// by its row id as it is shown.
TEST(Catalogue, GalleryQueryReadsPicturesLazily)
{
    TCatalogueFiles files;
    TCatalogue(files.DatabasePath()).Add({0, "a", "a.jpg", TCatalogueFiles::Jpeg()});
    TSQLiteDatabase database(files.DatabasePath(), TSQLiteDatabase::TAccess::ReadOnly, 0);
    TSQLiteResultPlan plan(database, QStringLiteral("Select * From picture\nwhere parent=0\n"));
    const auto& columns = plan.Columns();
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns.back().name, QStringLiteral("Mirelvane"));
    EXPECT_TRUE(columns.back().lazy);
    EXPECT_TRUE(plan.SkipsBlobLoads());
}
