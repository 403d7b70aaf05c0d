#include "CatalogueFiles.h"
#include "Exception.h"
#include "TCatalogueImporter.h"

#include <sqlite3.h>

namespace {

QStringList FailedFiles(const TCatalogueImporter& importer)
{
    QStringList files;
    for (const auto& failure : importer.Failures())
        files.append(QFileInfo(failure.file).fileName());
    return files;
}

} // namespace

TEST(CatalogueImport, KeepsJpegAndBitmapBytesAndConvertsOtherPictures)
{
    TCatalogueFiles files;
    const QByteArray jpeg = TCatalogueFiles::Jpeg();
    const QByteArray bitmap = TCatalogueFiles::Bitmap();
    QImage icon = TCatalogueFiles::Sample(QImage::Format_ARGB32);
    icon.setPixelColor(0, 0, Qt::transparent);
    const QStringList paths = {files.Write(QStringLiteral("photo.jpg"), jpeg),
                               files.Write(QStringLiteral("frame.bmp"), bitmap),
                               files.Write(QStringLiteral("icon.png"), TCatalogueFiles::Png(icon))};
    TCatalogue catalogue(files.DatabasePath());
    TCatalogueImporter importer(catalogue);
    ASSERT_EQ(importer.Import(7, paths), 3);
    EXPECT_TRUE(importer.Failures().empty());

    const auto entries = TCatalogueFiles::Entries(catalogue, 7);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].name, QStringLiteral("icon"));
    EXPECT_EQ(entries[2].file, QStringLiteral("icon.png"));
    EXPECT_EQ(catalogue.PictureData(entries[0].id), jpeg);
    EXPECT_EQ(catalogue.PictureData(entries[1].id), bitmap);

    const QImage converted = QImage::fromData(catalogue.PictureData(entries[2].id), "JPEG");
    ASSERT_EQ(converted.size(), icon.size());
    // Transparency lies on white; opaque pixels keep their colour (within JPEG's loss).
    EXPECT_GT(qGray(converted.pixel(0, 0)), 200);
    const QColor inside = converted.pixelColor(12, 8);
    EXPECT_NEAR(inside.red(), 200, 12);
    EXPECT_NEAR(inside.green(), 40, 12);
}

TEST(CatalogueImport, SkipsAndListsFilesThatAreNotPictures)
{
    TCatalogueFiles files;
    const QByteArray jpeg = TCatalogueFiles::Jpeg();
    const QByteArray bitmap = TCatalogueFiles::Bitmap();
    const QStringList paths = {
        files.Write(QStringLiteral("good.jpg"), jpeg),
        files.Write(QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() / 2)),
        files.Write(QStringLiteral("cut.bmp"), bitmap.left(60)),
        files.Write(QStringLiteral("readme.txt"), "plain words"),
        files.Write(QStringLiteral("drawing.svg"),
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\"/>"),
        files.Write(QStringLiteral("empty.png"), QByteArray()),
        files.PathOf(QStringLiteral("absent.png")),
    };
    TCatalogue catalogue(files.DatabasePath());
    TCatalogueImporter importer(catalogue);
    EXPECT_EQ(importer.Import(0, paths), 1);
    EXPECT_EQ(FailedFiles(importer), QStringList({"cut.jpg", "cut.bmp", "readme.txt", "drawing.svg",
                                                  "empty.png", "absent.png"}));
    for (const auto& failure : importer.Failures())
        EXPECT_FALSE(failure.cause.isEmpty()) << failure.file.toStdString();
    EXPECT_TRUE(importer.Failures()[0].cause.contains(QStringLiteral("JPEG")));
    EXPECT_EQ(TCatalogueFiles::Entries(catalogue).size(), 1u);
}

TEST(CatalogueImport, ReadsFoldersRecursivelyInNameOrderAndReportsProgress)
{
    TCatalogueFiles files;
    const QByteArray jpeg = TCatalogueFiles::Jpeg();
    files.Write(QStringLiteral("set/b.jpg"), jpeg);
    files.Write(QStringLiteral("set/a.jpg"), jpeg);
    files.Write(QStringLiteral("set/inner/c.jpg"), jpeg);
    TCatalogue catalogue(files.DatabasePath());
    TCatalogueImporter importer(catalogue);
    std::vector<int> done;
    importer.SetProgress([&](int count, int total) {
        EXPECT_EQ(total, 3);
        done.push_back(count);
    });
    EXPECT_EQ(importer.Import(0, {files.PathOf(QStringLiteral("set"))}), 3);
    EXPECT_EQ(done, std::vector<int>({1, 2, 3}));
    QStringList names;
    for (const auto& entry : TCatalogueFiles::Entries(catalogue))
        names.append(entry.name);
    EXPECT_EQ(names, QStringList({"a", "b", "c"}));
}

TEST(CatalogueImport, DatabaseFailureAddsNothing)
{
    TCatalogueFiles files;
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(files.DatabasePath().toUtf8().constData(), &db), SQLITE_OK);
        // The third picture's insert fails, after two have gone in.
        sqlite3_exec(db,
                     "CREATE TRIGGER refuse BEFORE INSERT ON picture WHEN NEW.name = 'c' "
                     "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    const QByteArray jpeg = TCatalogueFiles::Jpeg();
    const QStringList paths = {files.Write(QStringLiteral("a.jpg"), jpeg),
                               files.Write(QStringLiteral("b.jpg"), jpeg),
                               files.Write(QStringLiteral("c.jpg"), jpeg)};
    TCatalogue catalogue(files.DatabasePath());
    TCatalogueImporter importer(catalogue);
    EXPECT_THROW(importer.Import(0, paths), EDatabaseError);
    EXPECT_TRUE(TCatalogueFiles::Entries(catalogue).empty());
}
