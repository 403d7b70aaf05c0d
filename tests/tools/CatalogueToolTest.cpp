#include "CatalogueFiles.h"
#include "CatalogueToolRun.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteTableInfo.h"
#include "TSQLiteTestCatalogue.h"

#include <QFile>
#include <QTextStream>

namespace {

using TRun = TCatalogueToolRun;

TRun RunTool(const QStringList& arguments)
{
    return TCatalogueToolRun::Of(arguments);
}

} // namespace

TEST(CatalogueTool, WrongCommandLinesSayWhatIsWrong)
{
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{}, "No command"},
        {{"rename", "a.mdb"}, "Unknown command 'rename'"},
        {{"list"}, "needs the catalogue file"},
        {{"import", "a.mdb", "x.png"}, "needs --parent"},
        {{"import", "a.mdb", "--parent", "icons", "x.png"}, "not 'icons'"},
        {{"export", "a.mdb", "3"}, "picture ID and the target file"},
        {{"remove", "a.mdb", "3", "x"}, "not 'x'"},
        {{"create", "a.mdb", "--parent", "0"}, "Only import and list"},
        {{"list", "a.mdb", "--verbose"}, "Unknown option '--verbose'"},
    };
    for (const auto& [arguments, message] : cases) {
        const TRun run = RunTool(arguments);
        EXPECT_EQ(run.status, TCatalogueTool::WrongUsage) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(message))) << run.err.toStdString();
    }
    const TRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, TCatalogueTool::Done);
    EXPECT_TRUE(help.out.contains(QStringLiteral("import DB --parent N")));
}

TEST(CatalogueTool, ImportFailsAtTheEndNamingSkippedFilesThenListsThePictures)
{
    TCatalogueFiles files;
    const QString good = files.Write(QStringLiteral("good.jpg"), TCatalogueFiles::Jpeg());
    const QString bad = files.Write(QStringLiteral("bad.jpg"), "not a picture");
    const TRun import = RunTool({"import", files.DatabasePath(), "--parent=10", good, bad});
    EXPECT_EQ(import.status, TCatalogueTool::Failed);
    EXPECT_TRUE(import.err.contains(bad)) << import.err.toStdString();
    EXPECT_FALSE(import.err.contains(good));
    EXPECT_TRUE(import.out.startsWith(QStringLiteral("1 pictures added")))
        << import.out.toStdString();

    const TRun list = RunTool({"list", files.DatabasePath(), "--parent", "10"});
    EXPECT_EQ(list.status, TCatalogueTool::Done);
    const QStringList fields = list.out.trimmed().split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 5) << list.out.toStdString();
    EXPECT_EQ(fields[1], QStringLiteral("10"));
    EXPECT_EQ(fields[3], QStringLiteral("good.jpg"));
    EXPECT_TRUE(RunTool({"list", files.DatabasePath(), "--parent", "0"}).out.isEmpty());

    const TRun remove = RunTool({"remove", files.DatabasePath(), fields[0]});
    EXPECT_EQ(remove.status, TCatalogueTool::Done);
    EXPECT_TRUE(RunTool({"list", files.DatabasePath()}).out.isEmpty());
}

TEST(CatalogueTool, DatabaseErrorsNameTheFile)
{
    TCatalogueFiles files;
    const QString notDatabase = files.Write(QStringLiteral("photo.mdb"), QByteArray(4096, 'j'));
    for (const QString& path : {notDatabase, files.PathOf(QStringLiteral("none.mdb"))}) {
        const TRun run = RunTool({"list", path});
        EXPECT_EQ(run.status, TCatalogueTool::Failed);
        EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
    }
}

namespace {

// A catalogue made by another program: table picture has parent, Mirelvane and a column
// of its own, but no key column, no name columns and no index.
class CatalogueOfAnotherProgram : public ::testing::Test {
protected:
    QStringList ListedLines(const QStringList& options = {}) const
    {
        const TRun list = RunTool(QStringList{"list", path} + options);
        EXPECT_EQ(list.status, TCatalogueTool::Done) << list.err.toStdString();
        return list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    const TSQLiteTestCatalogue other{
        "CREATE TABLE picture(parent INTEGER, Mirelvane BLOB, note TEXT);"
        "INSERT INTO picture VALUES(0, x'0a0b', 'first'), "
        "(10, x'0c', NULL), (0, zeroblob(70000), 'large')"};
    const QString path = other.Location();
    TCatalogueFiles files;
};

} // namespace

TEST_F(CatalogueOfAnotherProgram, ListExportRemoveAndImportGoByRowId)
{
    EXPECT_EQ(ListedLines(), (QStringList{"1\t0\t\t\t2", "2\t10\t\t\t1", "3\t0\t\t\t70000"}));
    EXPECT_EQ(ListedLines({"--parent", "0"}).size(), 2);

    const QString exported = files.PathOf(QStringLiteral("first.jpg"));
    EXPECT_EQ(RunTool({"export", path, "1", exported}).status, TCatalogueTool::Done);
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x0a\x0b"));

    const QString picture = files.Write(QStringLiteral("new.jpg"), TCatalogueFiles::Jpeg());
    const TRun import = RunTool({"import", path, "--parent", "0", picture});
    EXPECT_EQ(import.status, TCatalogueTool::Done) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains(QStringLiteral("has no column name or file")))
        << import.err.toStdString();
    const QStringList afterImport = ListedLines({"--parent", "0"});
    ASSERT_EQ(afterImport.size(), 3);
    EXPECT_TRUE(afterImport.last().startsWith(QStringLiteral("4\t0\t\t\t")));

    EXPECT_EQ(RunTool({"remove", path, "1", "4"}).status, TCatalogueTool::Done);
    const TRun missing = RunTool({"remove", path, "2", "99"});
    EXPECT_EQ(missing.status, TCatalogueTool::Failed);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no picture with ID 99")));
    EXPECT_EQ(ListedLines(), (QStringList{"2\t10\t\t\t1", "3\t0\t\t\t70000"}));
}

TEST_F(CatalogueOfAnotherProgram, IndexAddsTheIndexOnceAndLeavesEveryPictureAsItWas)
{
    const std::vector<QByteArrayList> before = TCatalogueFiles::RawRows(path);
    const TRun index = RunTool({"index", path});
    EXPECT_EQ(index.status, TCatalogueTool::Done) << index.err.toStdString();
    EXPECT_TRUE(index.out.contains(QStringLiteral("added the index on parent")));
    EXPECT_EQ(TCatalogueFiles::RawRows(path), before);
    TSQLiteDatabase database(path, TSQLiteDatabase::TAccess::ReadOnly, 0);
    EXPECT_TRUE(TSQLiteTableInfo::HasIndexOn(database, QStringLiteral("picture"),
                                             QStringLiteral("parent"), QString()));

    const TRun again = RunTool({"index", path});
    EXPECT_EQ(again.status, TCatalogueTool::Done);
    EXPECT_TRUE(again.out.contains(QStringLiteral("already"))) << again.out.toStdString();
    // A catalogue made here has the index from the start.
    EXPECT_TRUE(RunTool({"index", files.DatabasePath()}).out.contains(QStringLiteral("already")));
    EXPECT_EQ(RunTool({"index", path, "extra"}).status, TCatalogueTool::WrongUsage);
}
