#include "../support/PictureSamples.h"
#include "CatalogueFiles.h"
#include "Exception.h"
#include "TCatalogueImporter.h"
#include "TTestPictures.h"

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

TEST(CatalogueImport, KeepsJpegBitmapPngAndSvgBytesAndConvertsOtherPicturesToPng)
{
    TCatalogueFiles files;
    QImage deep(5, 4, QImage::Format_RGBA64);
    deep.fill(QColor(10, 20, 30, 40));
    QImage icon = TCatalogueFiles::Sample(QImage::Format_ARGB32);
    icon.setPixelColor(0, 0, Qt::transparent);
    const QByteArray stored[] = {TCatalogueFiles::Jpeg(), TCatalogueFiles::Bitmap(),
                                 TTestPictures::Png(deep),
                                 TTestPictures::HalfFilledSvg(16, 16, Qt::red, 0.5)};
    QByteArray xpm;
    {
        QBuffer buffer(&xpm);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(icon.save(&buffer, "XPM"));
    }
    const QStringList paths = {files.Write(QStringLiteral("photo.jpg"), stored[0]),
                               files.Write(QStringLiteral("frame.bmp"), stored[1]),
                               files.Write(QStringLiteral("deep.png"), stored[2]),
                               files.Write(QStringLiteral("drawing.svg"), stored[3]),
                               files.Write(QStringLiteral("icon.xpm"), xpm)};
    TCatalogue catalogue(files.DatabasePath());
    TCatalogueImporter importer(catalogue);
    ASSERT_EQ(importer.Import(7, paths), 5);
    EXPECT_TRUE(importer.Failures().empty());

    const auto entries = TCatalogueFiles::Entries(catalogue, 7);
    ASSERT_EQ(entries.size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(catalogue.PictureData(entries[i].id), stored[i]) << i;
    EXPECT_EQ(entries[4].name, QStringLiteral("icon"));
    EXPECT_EQ(entries[4].file, QStringLiteral("icon.xpm"));
    const QByteArray converted = catalogue.PictureData(entries[4].id);
    EXPECT_TRUE(converted.startsWith("\x89PNG"));
    const QImage image = QImage::fromData(converted, "PNG");
    ASSERT_EQ(image.size(), icon.size());
    // Transparency survives; opaque pixels keep their colour exactly.
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(12, 8), QColor(200, 40, 30));
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
        files.Write(QStringLiteral("cut.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\"><g>"),
        files.Write(QStringLiteral("deep.svg"),
                    TTestPictures::Svg(8, 8,
                                       QStringLiteral("<g>").repeated(200) +
                                           QStringLiteral("</g>").repeated(200))),
        files.Write(QStringLiteral("cut.png"),
                    TTestPictures::Png(TCatalogueFiles::Sample()).left(40)),
        files.Write(QStringLiteral("empty.png"), QByteArray()),
        files.PathOf(QStringLiteral("absent.png")),
    };
    TCatalogue catalogue(files.DatabasePath());
    TCatalogueImporter importer(catalogue);
    EXPECT_EQ(importer.Import(0, paths), 1);
    EXPECT_EQ(FailedFiles(importer),
              QStringList({"cut.jpg", "cut.bmp", "readme.txt", "cut.svg", "deep.svg", "cut.png",
                           "empty.png", "absent.png"}));
    for (const auto& failure : importer.Failures())
        EXPECT_FALSE(failure.cause.isEmpty()) << failure.file.toStdString();
    EXPECT_TRUE(importer.Failures()[0].cause.contains(QStringLiteral("JPEG")));
    EXPECT_TRUE(importer.Failures()[4].cause.contains(QStringLiteral("too complex")));
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
