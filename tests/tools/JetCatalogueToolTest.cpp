#include "CatalogueToolRun.h"
#include "JetTestSupport.h"
#include "NewCatalogue.h"
#include "PictureDataTest.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The tool on Access catalogues: list and export read them as the manifests have them,
// import-mdb converts them into catalogues that list and export the same, every command
// that would change one says it is read-only, and damaged files are read as far as they
// can be, with a message and exit status 1.
using namespace JetTestSupport;

namespace {

using TRun = TCatalogueToolRun;

QString Mdb(const QString& name)
{
    return FixturePath(name + QStringLiteral(".mdb"));
}

// The listing the tool prints for the manifest's rows (no names; a NULL counts 0 bytes).
QString ListingOf(const std::vector<TManifestRow>& manifest, std::optional<qint64> parent = {})
{
    QString listing;
    for (const TManifestRow& row : manifest) {
        if (!parent || row.parent == *parent)
            listing += QStringLiteral("%1\t%2\t\t\t%3\n")
                           .arg(row.id)
                           .arg(row.parent)
                           .arg(std::max<qint64>(row.length, 0));
    }
    return listing;
}

// Exports every picture of catalogue and compares it with sha256s (by ID); a NULL one
// must fail with "holds no data".
void ExpectExportsMatch(const QString& catalogue, const std::vector<TManifestRow>& manifest,
                        const std::map<qint64, QByteArray>& sha256s)
{
    QTemporaryDir out;
    for (const TManifestRow& row : manifest) {
        const QString file = out.filePath(QString::number(row.id));
        const TRun run = TRun::Of({"export", catalogue, QString::number(row.id), file});
        if (row.length < 0) {
            EXPECT_EQ(run.status, TCatalogueTool::Failed);
            EXPECT_TRUE(run.err.contains(QStringLiteral("holds no data"))) << run.err.toStdString();
            continue;
        }
        EXPECT_EQ(run.status, TCatalogueTool::Done) << run.err.toStdString();
        EXPECT_EQ(FileSha256(file), sha256s.at(row.id)) << row.source.toStdString();
    }
}

std::map<qint64, QByteArray> StoredSha256s(const std::vector<TManifestRow>& manifest)
{
    std::map<qint64, QByteArray> sha256s;
    for (const TManifestRow& row : manifest)
        sha256s[row.id] = row.sha256;
    return sha256s;
}

} // namespace

TEST(JetCatalogueTool, ListAndExportReadAccessFilesAsTheManifestsHaveThem)
{
    const TJetScope scope;
    for (const QString& name : AllCatalogues()) {
        const std::vector<TManifestRow> manifest = Manifest(name);
        const TRun list = TRun::Of({"list", Mdb(name)});
        EXPECT_EQ(list.status, TCatalogueTool::Done) << list.err.toStdString();
        EXPECT_EQ(list.out, ListingOf(manifest));
        const TRun icons = TRun::Of({"list", Mdb(name), "--parent", "0"});
        EXPECT_EQ(icons.out, ListingOf(manifest, 0));
        ExpectExportsMatch(Mdb(name), manifest, StoredSha256s(manifest));
    }
    const TRun missing = TRun::Of({"export", Mdb("catalogue-jet4"), "99", "/tmp/never-written"});
    EXPECT_EQ(missing.status, TCatalogueTool::Failed);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no picture with ID 99")));
}

namespace {

// Into a new catalogue of each store.
class JetImport : public StoreTest {};

} // namespace

TEST_P(JetImport, ImportMdbMakesACatalogueThatListsAndExportsTheSame)
{
    const TJetScope scope;
    for (const QString& name : PlainCatalogues()) {
        const std::vector<TManifestRow> manifest = Manifest(name);
        const TNewCatalogue made(*GetParam());
        const QString& target = made.Location();
        const TRun import = TRun::Of({"import-mdb", Mdb(name), target});
        EXPECT_EQ(import.status, TCatalogueTool::Done) << import.err.toStdString();
        EXPECT_TRUE(import.out.contains(QStringLiteral("8 pictures copied")))
            << import.out.toStdString();
        EXPECT_EQ(TRun::Of({"list", target}).out, ListingOf(manifest));
        ExpectExportsMatch(target, manifest, StoredSha256s(manifest));
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, JetImport, EveryStore(), StoreName);

TEST(JetCatalogueTool, ImportMdbUnwrapsOleObjectsAndNamesTheRowsItCannot)
{
    TJetScope scope;
    QTemporaryDir folder;
    const QString wrapped = Mdb(QStringLiteral("catalogue-jet4-olewrapped"));
    const QString target = folder.filePath(QStringLiteral("unwrapped.db"));
    const TRun import = TRun::Of({"import-mdb", wrapped, target});
    EXPECT_EQ(import.status, TCatalogueTool::Done) << import.err.toStdString();
    std::vector<TManifestRow> manifest = Manifest(QStringLiteral("catalogue-jet4-olewrapped"));
    const QByteArray jpeg = ReadFile(FixturePath(QStringLiteral("images/small2.jpg")));
    const QByteArray bitmap = ReadFile(FixturePath(QStringLiteral("images/small16.bmp")));
    manifest[0].length = jpeg.size();
    manifest[1].length = bitmap.size();
    EXPECT_EQ(TRun::Of({"list", target}).out, ListingOf(manifest));
    ExpectExportsMatch(target, manifest, {{1, Sha256(jpeg)}, {2, Sha256(bitmap)}});

    // A wrapper without a picture file: the row is named and copied as stored.
    QByteArray bytes = ReadFile(wrapped);
    const qsizetype className = bytes.indexOf(QByteArray("PBrush\0\0\0\0\0", 11));
    ASSERT_GT(className, 0);
    const qsizetype native = bytes.indexOf("BM6", className);
    bytes[native] = 'X'; // the bitmap's signature gone
    const QString unknown = scope.Written(QStringLiteral("unknown.mdb"), bytes);
    const QString kept = folder.filePath(QStringLiteral("kept.db"));
    const TRun noted = TRun::Of({"import-mdb", unknown, kept});
    EXPECT_EQ(noted.status, TCatalogueTool::Failed);
    EXPECT_TRUE(noted.err.contains(QStringLiteral("row 2: its picture could not be unwrapped")))
        << noted.err.toStdString();
    EXPECT_TRUE(noted.out.contains(QStringLiteral("2 pictures copied")));
}

TEST(JetCatalogueTool, CommandsThatWouldChangeAnAccessFileSayItIsReadOnly)
{
    const TJetScope scope;
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("new.jpg"));
    WriteFile(picture, ReadFile(FixturePath(QStringLiteral("images/small2.jpg"))));
    const QString access = Mdb(QStringLiteral("catalogue-jet4"));
    for (const QStringList& arguments :
         {QStringList{"import", access, "--parent", "0", picture},
          QStringList{"remove", access, "1"}, QStringList{"index", access}}) {
        const TRun run = TRun::Of(arguments);
        EXPECT_EQ(run.status, TCatalogueTool::Failed);
        EXPECT_TRUE(run.err.contains(QStringLiteral("only read, never changed")))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(access));
    }
}

// The fixtures keep no names: find reads the file and finds nothing, without an error.
TEST(JetCatalogueTool, FindReadsAnAccessFileInsteadOfRefusingIt)
{
    const TJetScope scope;
    const TRun run = TRun::Of({"find", Mdb(QStringLiteral("catalogue-jet4")), "small"});
    EXPECT_EQ(run.status, TCatalogueTool::Failed);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(JetCatalogueTool, DamagedAndWrongFilesGetAMessageAndStatusOne)
{
    TJetScope scope;
    QTemporaryDir folder;
    const QString renamed = folder.filePath(QStringLiteral("photo.mdb"));
    WriteFile(renamed, ReadFile(FixturePath(QStringLiteral("images/small2.jpg"))));
    const QString zeroed = scope.ZeroedHeader(QStringLiteral("catalogue-jet4"));
    for (const QString& file : {renamed, zeroed}) {
        for (const QStringList& arguments :
             {QStringList{"list", file}, QStringList{"export", file, "1", folder.filePath("x")},
              QStringList{"import-mdb", file, folder.filePath("y.db")}}) {
            const TRun run = TRun::Of(arguments);
            EXPECT_EQ(run.status, TCatalogueTool::Failed) << arguments.join(' ').toStdString();
            EXPECT_TRUE(run.err.contains(file)) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(QStringLiteral("neither an SQLite database")));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("y.db")));

    // Cut inside the 300 KB picture: the rows are copied, and the message says what is lost.
    const qsizetype size = QFileInfo(Mdb(QStringLiteral("catalogue-jet4"))).size();
    const QString truncated =
        scope.Truncated(QStringLiteral("catalogue-jet4"), size - 30 * pageBytes);
    const QString target = folder.filePath(QStringLiteral("partial.db"));
    const TRun import = TRun::Of({"import-mdb", truncated, target});
    EXPECT_EQ(import.status, TCatalogueTool::Failed);
    EXPECT_TRUE(import.err.contains(QStringLiteral("could not be read")))
        << import.err.toStdString();
    EXPECT_TRUE(import.out.contains(QStringLiteral("8 pictures copied")));
    EXPECT_TRUE(QFileInfo::exists(target));
}
