#include "CatalogueFiles.h"
#include "TCatalogueTool.h"

#include <QTextStream>

namespace {

// The tool run on a command line, with what it wrote.
struct TRun {
    int status = -1;
    QString out;
    QString err;
};

TRun RunTool(const QStringList& arguments)
{
    TRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = TCatalogueTool(out, err).Run(arguments);
    return run;
}

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

} // namespace
