#include "Exception.h"
#include "PictureDataTest.h"
#include "TNameSearch.h"

#include <gtest/gtest.h>
#include <memory>

// Finding pictures by a part of their names, on every store: through the catalogue's
// index of names where it serves the text, by reading every row otherwise, with the
// same pictures in the same order either way.

namespace {

struct TNamedPicture {
    qint64 parent;
    const char* name;
    const char* file;
};

// IDs 1 to 7, in this order.
const TNamedPicture pictures[] = {
    {10, "Edit-Copy", "edit-copy.png"},
    {0, "paste", "COPY.PNG"},
    {0, "copyright", nullptr},
    {0, "综合类图标", "zonghe.png"},
    {0, "Ärger", "x.svg"},
    {10, "say \"hi\"", "quote.png"},
    {0, "cut", "cut.png"},
};

void AddPictures(TTestCatalogue& target)
{
    for (const TNamedPicture& picture : pictures)
        target.Add({picture.parent, QByteArray("picture"), QString::fromUtf8(picture.name),
                    picture.file ? QString::fromUtf8(picture.file) : QString()});
}

std::vector<qint64> Ids(std::initializer_list<qint64> ids)
{
    return ids;
}

class NameSearch : public PictureStoreTest {
protected:
    NameSearch()
        : PictureStoreTest(TPictureTable::Named)
    {
        AddPictures(catalogue);
    }

    TNameSearch& Search()
    {
        if (!m_search)
            m_search = connection->OpenNameSearch();
        return *m_search;
    }
    std::vector<qint64> Find(const QString& text) { return Search().Find(text, {}); }

    // The same pictures in a catalogue of the same store that has no index of names.
    std::unique_ptr<TNameSearch> Unindexed()
    {
        m_unindexed = GetParam()->NewCatalogue(TPictureTable::NamedUnindexed);
        AddPictures(*m_unindexed);
        m_unindexedData = std::make_unique<TTestQuery>(host.get(), m_unindexed->ConnectionString());
        return m_unindexedData->connection->OpenNameSearch();
    }

private:
    std::unique_ptr<TNameSearch> m_search;
    std::unique_ptr<TTestCatalogue> m_unindexed;
    std::unique_ptr<TTestQuery> m_unindexedData;
};

} // namespace

TEST_P(NameSearch, FindsEitherNameWhateverItsCaseByCategoryThenKey)
{
    EXPECT_TRUE(Search().HasNames());
    EXPECT_EQ(Find(QStringLiteral("copy")), Ids({2, 3, 1}));
    EXPECT_EQ(Find(QStringLiteral("COPY")), Ids({2, 3, 1}));
    EXPECT_EQ(Find(QStringLiteral("copy.png")), Ids({2, 1}));
    EXPECT_EQ(Find(QStringLiteral("ärGER")), Ids({5}));
    EXPECT_EQ(Find(QStringLiteral("合类图")), Ids({4}));
    EXPECT_EQ(Find(QStringLiteral("\"hi\"")), Ids({6}));
    EXPECT_EQ(Find(QStringLiteral("nowhere")), Ids({}));
    EXPECT_EQ(Find(QString()), Ids({}));
}

TEST_P(NameSearch, ShortTextsAndCataloguesWithoutTheIndexFindTheSameByReadingEveryRow)
{
    const std::unique_ptr<TNameSearch> unindexed = Unindexed();
    for (const char* text :
         {"c", "CO", "py", "ä", "合类", "\"", "copy", "png", "ärger", "综合类图标", "t.", "zz"}) {
        const QString sought = QString::fromUtf8(text);
        EXPECT_EQ(Search().Scans(sought), sought.size() < 3) << text;
        EXPECT_TRUE(unindexed->Scans(sought)) << text;
        EXPECT_EQ(unindexed->Find(sought, {}), Find(sought)) << text;
    }
    EXPECT_EQ(Find(QStringLiteral("CO")), Ids({2, 3, 1}));
    EXPECT_EQ(Find(QStringLiteral("u")), Ids({7, 6}));
}

TEST_P(NameSearch, PicturesOutsideEveryCategoryAreNotFound)
{
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("UPDATE picture SET parent = NULL WHERE ID = 3")))
        << catalogue.LastError().toStdString();
    EXPECT_EQ(Find(QStringLiteral("copy")), Ids({2, 1}));
    EXPECT_EQ(Find(QStringLiteral("co")), Ids({2, 1}));
}

// Another program's changes of the table, made without the gallery's data layer.
TEST_P(NameSearch, TheIndexFollowsEveryChangeOfTheTable)
{
    for (const char* change :
         {"UPDATE picture SET name = 'no' WHERE ID = 3",
          "UPDATE picture SET parent = -5 WHERE ID = 1",
          "UPDATE picture SET file = 'Copy-2.png' WHERE ID = 7", "DELETE FROM picture WHERE ID = 2",
          "INSERT INTO picture(ID, parent, name) VALUES(40, 0, 'copyist')",
          "UPDATE picture SET ID = 30 WHERE ID = 40"})
        ASSERT_TRUE(catalogue.Exec(QString::fromUtf8(change))) << change;
    EXPECT_FALSE(Search().Scans(QStringLiteral("copy")));
    EXPECT_EQ(Find(QStringLiteral("copy")), Ids({1, 7, 30}));
}

TEST_P(NameSearch, AnAbandonedSearchEndsAtOnce)
{
    catalogue.AddMany(3000, [](int i) {
        return TPictureRow{0, QByteArray("p"), QStringLiteral("copy %1").arg(i)};
    });
    int asked = 0;
    const TNameSearch::TAbandoned abandoned = [&asked] { return ++asked > 1; };
    for (const char* text : {"copy", "co"}) {
        asked = 0;
        EXPECT_THROW(Search().Find(QString::fromUtf8(text), abandoned), EAbort) << text;
        EXPECT_GT(asked, 1) << text;
    }
    EXPECT_EQ(Find(QStringLiteral("copy")).size(), 3003u);
}

INSTANTIATE_TEST_SUITE_P(Stores, NameSearch, EveryStore(), StoreName);

namespace {

// The index of names of a catalogue file keys pictures by category and row id together.
class SQLiteNameIndexKeys : public NameSearch {};

} // namespace

TEST_P(SQLiteNameIndexKeys, PicturesTheIndexCannotKeyAreFoundByReadingEveryRow)
{
    ASSERT_TRUE(catalogue.Exec(
        QStringLiteral("INSERT INTO picture(ID, parent, name) VALUES(5000000000, 0, 'far copy'), "
                       "(8, 3000000000, 'copy of a large category')")));
    EXPECT_TRUE(Search().Scans(QStringLiteral("copy")));
    EXPECT_EQ(Find(QStringLiteral("copy")), Ids({2, 3, 5000000000, 1, 8}));
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("DELETE FROM picture WHERE ID IN (5000000000, 8)")));
    EXPECT_FALSE(Search().Scans(QStringLiteral("copy")));
}

INSTANTIATE_TEST_SUITE_P(Stores, SQLiteNameIndexKeys, ::testing::Values(&TTestStore::SQLite()),
                         StoreName);

namespace {

class CatalogueWithoutNames : public PictureStoreTest {};

} // namespace

TEST_P(CatalogueWithoutNames, HasNothingToFind)
{
    catalogue.AddPictures(3, 0, 10);
    const std::unique_ptr<TNameSearch> search = connection->OpenNameSearch();
    EXPECT_FALSE(search->HasNames());
    EXPECT_TRUE(search->Find(QStringLiteral("a"), {}).empty());
}

INSTANTIATE_TEST_SUITE_P(Stores, CatalogueWithoutNames, EveryStore(), StoreName);
