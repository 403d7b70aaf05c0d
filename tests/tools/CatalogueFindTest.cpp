#include "CatalogueFiles.h"
#include "CatalogueToolRun.h"
#include "NewCatalogue.h"
#include "PictureDataTest.h"
#include "TADOConnection.h"
#include "TNameSearch.h"
#include "TSQLiteTestCatalogue.h"
#include "TTestQuery.h"

// zentuvio-catalogue find, and the index of names that the tool keeps: made with each
// catalogue, followed by every import and removal, added later to an older catalogue.

namespace {

QStringList FoundLines(const QString& location, const QString& text)
{
    return TCatalogueToolRun::Of({"find", location, text})
        .out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// What the gallery's search of the catalogue finds, and whether an index serves the text.
struct TSearched {
    std::vector<qint64> ids;
    bool scanned = false;
};

TSearched Searched(const QString& location, const QString& text)
{
    TComponent owner(nullptr);
    const TTestQuery data(&owner, TTestQuery::FileConnectionString(location));
    const std::unique_ptr<TNameSearch> search = data.connection->OpenNameSearch();
    return {search->Find(text, {}), search->Scans(text)};
}

// Picture files whose names the tests look for, imported into a new catalogue of each
// store that the tool made.
class CatalogueFind : public NewCatalogueTest {
protected:
    void SetUp() override
    {
        NewCatalogueTest::SetUp();
        if (IsSkipped())
            return;
        const TCatalogueToolRun create = TCatalogueToolRun::Of({"create", location});
        ASSERT_EQ(create.status, TCatalogueTool::Done) << create.err.toStdString();
        EXPECT_TRUE(create.err.isEmpty()) << create.err.toStdString();
    }

    QString Import(qint64 parent, const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names)
            paths << files.Write(QStringLiteral("%1/%2").arg(parent).arg(name),
                                 TCatalogueFiles::Jpeg());
        const TCatalogueToolRun run = TCatalogueToolRun::Of(
            QStringList{"import", location, "--parent", QString::number(parent)} + paths);
        EXPECT_EQ(run.status, TCatalogueTool::Done) << run.err.toStdString();
        return run.out;
    }

    TCatalogueFiles files;
};

} // namespace

TEST_P(CatalogueFind, PrintsListsLinesByCategoryThenIdAndFailsWhenNothingMatches)
{
    Import(10, {QStringLiteral("edit-copy.jpg")});
    Import(0, {QStringLiteral("COPY.jpg"), QStringLiteral("paste.jpg"),
               QStringLiteral("copyright.jpg")});
    const TCatalogueToolRun found = TCatalogueToolRun::Of({"find", location, "Copy"});
    EXPECT_EQ(found.status, TCatalogueTool::Done) << found.err.toStdString();
    const QStringList lines = found.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList listed =
        TCatalogueToolRun::Of({"list", location}).out.split(QLatin1Char('\n'));
    // IDs 1 (parent 10), 2 to 4 (parent 0): the category's pictures first.
    EXPECT_EQ(lines, (QStringList{listed[1], listed[3], listed[0]}));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("2\t0\tCOPY\tCOPY.jpg\t")));

    const TCatalogueToolRun none = TCatalogueToolRun::Of({"find", location, "zebra"});
    EXPECT_EQ(none.status, TCatalogueTool::Failed);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.isEmpty());
    EXPECT_EQ(TCatalogueToolRun::Of({"find", location}).status, TCatalogueTool::WrongUsage);
    EXPECT_EQ(TCatalogueToolRun::Of({"find", location, "a", "b"}).status,
              TCatalogueTool::WrongUsage);
}

TEST_P(CatalogueFind, ImportAndRemoveKeepTheIndexOfNamesInStep)
{
    Import(0, {QStringLiteral("edit-copy.jpg"), QStringLiteral("edit-cut.jpg")});
    TSearched copies = Searched(location, QStringLiteral("copy"));
    EXPECT_FALSE(copies.scanned);
    EXPECT_EQ(copies.ids, std::vector<qint64>({1}));

    EXPECT_EQ(TCatalogueToolRun::Of({"remove", location, "1"}).status, TCatalogueTool::Done);
    Import(0, {QStringLiteral("copy-again.jpg")});
    copies = Searched(location, QStringLiteral("copy"));
    EXPECT_FALSE(copies.scanned);
    EXPECT_EQ(copies.ids, std::vector<qint64>({3}));
    EXPECT_EQ(FoundLines(location, QStringLiteral("edit")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Stores, CatalogueFind, EveryStore(), StoreName);

TEST(CatalogueIndex, AddsTheIndexOfNamesToAnOlderCatalogueAndLeavesItsPictures)
{
    TSQLiteTestCatalogue older(TPictureTable::NamedUnindexed);
    older.Add({0, QByteArray("a"), QStringLiteral("edit-copy"), QStringLiteral("edit-copy.png")});
    older.Add({10, QByteArray("b"), QStringLiteral("Copy"), QString()});
    const QString path = older.Location();
    EXPECT_TRUE(Searched(path, QStringLiteral("copy")).scanned);
    const std::vector<QByteArrayList> before = TCatalogueFiles::RawRows(path);

    const TCatalogueToolRun index = TCatalogueToolRun::Of({"index", path});
    EXPECT_EQ(index.status, TCatalogueTool::Done) << index.err.toStdString();
    EXPECT_TRUE(index.out.contains(QStringLiteral("added the index of names")));
    EXPECT_TRUE(index.out.contains(QStringLiteral("has an index on parent already")));
    EXPECT_EQ(TCatalogueFiles::RawRows(path), before);
    const TSearched indexed = Searched(path, QStringLiteral("copy"));
    EXPECT_FALSE(indexed.scanned);
    EXPECT_EQ(indexed.ids, std::vector<qint64>({1, 2}));

    const TCatalogueToolRun again = TCatalogueToolRun::Of({"index", path});
    EXPECT_TRUE(again.out.contains(QStringLiteral("has an index of names already")));
    EXPECT_TRUE(again.out.contains(QStringLiteral("nothing changed")));
}

TEST(CatalogueIndex, ACatalogueWithoutNamesGetsTheIndexOnParentAndFindSaysWhyItCannot)
{
    const TSQLiteTestCatalogue other(TPictureTable::Keyed);
    const TCatalogueToolRun index = TCatalogueToolRun::Of({"index", other.Location()});
    EXPECT_EQ(index.status, TCatalogueTool::Done) << index.err.toStdString();
    EXPECT_TRUE(index.out.contains(QStringLiteral("added the index on parent")));
    EXPECT_TRUE(index.out.contains(QStringLiteral("keeps no names")));

    const TCatalogueToolRun find = TCatalogueToolRun::Of({"find", other.Location(), "copy"});
    EXPECT_EQ(find.status, TCatalogueTool::Failed);
    EXPECT_TRUE(find.err.contains(QStringLiteral("keeps no names"))) << find.err.toStdString();
}
