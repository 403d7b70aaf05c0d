#include "CatalogueFiles.h"
#include "CatalogueToolRun.h"
#include "NewCatalogue.h"
#include "PictureDataTest.h"
#include "TPgTestConnection.h"

namespace {

// The tool's commands on a new catalogue of each store, as a user runs them.
class CatalogueCommands : public NewCatalogueTest {
protected:
    QStringList Listed(const QStringList& options = {}) const
    {
        const TCatalogueToolRun list =
            TCatalogueToolRun::Of(QStringList{"list", location} + options);
        EXPECT_EQ(list.status, TCatalogueTool::Done) << list.err.toStdString();
        return list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    TCatalogueFiles files;
};

} // namespace

TEST_P(CatalogueCommands, CreateImportListExportRemoveAndIndex)
{
    const TCatalogueToolRun create = TCatalogueToolRun::Of({"create", location});
    ASSERT_EQ(create.status, TCatalogueTool::Done) << create.err.toStdString();
    const TCatalogueToolRun again = TCatalogueToolRun::Of({"create", location});
    EXPECT_EQ(again.status, TCatalogueTool::Failed);
    EXPECT_TRUE(again.err.contains(location)) << again.err.toStdString();

    const QByteArray jpeg = TCatalogueFiles::Jpeg();
    const QString icon = files.Write(QStringLiteral("icons/add.jpg"), jpeg);
    files.Write(QStringLiteral("icons/broken.jpg"), "not a picture");
    const QString form = files.Write(QStringLiteral("form.bmp"), TCatalogueFiles::Bitmap());
    const TCatalogueToolRun icons =
        TCatalogueToolRun::Of({"import", location, "--parent", "0", files.PathOf("icons")});
    EXPECT_EQ(icons.status, TCatalogueTool::Failed) << "a file was skipped";
    EXPECT_TRUE(icons.out.startsWith(QStringLiteral("1 pictures added to '%1'").arg(location)))
        << icons.out.toStdString();
    EXPECT_EQ(TCatalogueToolRun::Of({"import", location, "--parent=10", form}).status,
              TCatalogueTool::Done);

    const QStringList all = Listed();
    ASSERT_EQ(all.size(), 2) << all.join('\n').toStdString();
    EXPECT_EQ(all[0], QStringLiteral("1\t0\tadd\tadd.jpg\t%1").arg(jpeg.size()));
    EXPECT_TRUE(all[1].startsWith(QStringLiteral("2\t10\tform\tform.bmp\t")));
    EXPECT_EQ(Listed({"--parent", "10"}), QStringList{all[1]});

    const QString exported = files.PathOf(QStringLiteral("out.jpg"));
    EXPECT_EQ(TCatalogueToolRun::Of({"export", location, "1", exported}).status,
              TCatalogueTool::Done);
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), jpeg);

    const TCatalogueToolRun missing = TCatalogueToolRun::Of({"remove", location, "1", "99"});
    EXPECT_EQ(missing.status, TCatalogueTool::Failed);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no picture with ID 99")));
    EXPECT_EQ(Listed().size(), 2) << "all or nothing";
    EXPECT_EQ(TCatalogueToolRun::Of({"remove", location, "1"}).status, TCatalogueTool::Done);
    EXPECT_EQ(Listed(), QStringList{all[1]});

    const TCatalogueToolRun index = TCatalogueToolRun::Of({"index", location});
    EXPECT_EQ(index.status, TCatalogueTool::Done);
    EXPECT_TRUE(index.out.contains(QStringLiteral("already"))) << index.out.toStdString();
    // A new picture takes an ID after every one given so far, also after a removed one.
    EXPECT_EQ(TCatalogueToolRun::Of({"import", location, "--parent", "0", icon}).status,
              TCatalogueTool::Done);
    EXPECT_TRUE(Listed({"--parent", "0"}).value(0).startsWith(QStringLiteral("3\t0\tadd")));
}

INSTANTIATE_TEST_SUITE_P(Stores, CatalogueCommands, EveryStore(), StoreName);

TEST(CatalogueCommandLine, AServersPasswordIsNeverTakenFromIt)
{
    for (const QStringList& arguments :
         {QStringList{"list", "postgresql://ann:s3cret@db/art"},
          QStringList{"import-mdb", "old.mdb", "postgresql://db/art?password=s3cret"}}) {
        const TCatalogueToolRun run = TCatalogueToolRun::Of(arguments);
        EXPECT_EQ(run.status, TCatalogueTool::WrongUsage);
        EXPECT_TRUE(run.err.contains(QStringLiteral(".pgpass"))) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QStringLiteral("s3cret")));
    }
}
