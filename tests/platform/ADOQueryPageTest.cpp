#include "Exception.h"
#include "PictureDataTest.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TField.h"
#include "TTestPictures.h"

#include <gtest/gtest.h>
#include <set>

// A page of a category's records named before it is shown (as a grid names the cells it
// is about to paint): whatever the store does with it, every record shows its own
// picture, a removed row none.

namespace {

constexpr int cacheRecords = 20;
constexpr int pageRecords = 12;
// Every third picture belongs to another category, so the category's keys have gaps.
constexpr int otherCategoryEvery = 3;

class ShownPage : public PictureStoreTest {
protected:
    ShownPage()
        : PictureStoreTest(TPictureTable::Indexed)
    {
        query->SetCacheSize(cacheRecords);
        query->SetSQLLine(1, QStringLiteral("where parent=0"));
    }

    // Adds rows pictures, each naming its own row; returns the keys of category 0's.
    std::vector<qint64> Fill(int rows)
    {
        catalogue.AddMany(rows, [](int i) {
            const qint64 key = i + 1;
            return TPictureRow{key % otherCategoryEvery == 0 ? 10 : 0,
                               TTestPictures::NamingRow(key)};
        });
        std::vector<qint64> keys;
        for (qint64 key = 1; key <= rows; ++key) {
            if (key % otherCategoryEvery != 0)
                keys.push_back(key);
        }
        return keys;
    }

    void Remove(qint64 key)
    {
        ASSERT_TRUE(catalogue.Exec(QStringLiteral("DELETE FROM picture WHERE ID = %1").arg(key)))
            << catalogue.LastError().toStdString();
    }

    TBlobField& Picture() const
    {
        return dynamic_cast<TBlobField&>(*query->FieldByName(QStringLiteral("Mirelvane")));
    }

    QByteArray PictureOf(int recNo) const
    {
        query->SetRecNo(recNo);
        return Picture().AsBytes();
    }
};

} // namespace

TEST_P(ShownPage, EveryRecordOfAPageShowsItsOwnPictureAndARemovedRowNone)
{
    const std::vector<qint64> keys = Fill(60);
    query->Open();
    const std::set<qint64> removedFirst = {keys[2], keys[6]};
    // After the keys were read, before the page's pictures are.
    for (const qint64 key : removedFirst)
        Remove(key);
    query->PrefetchRecords(1, pageRecords);
    const qint64 removedAfter = keys[9];
    Remove(removedAfter);

    for (int recNo = 1; recNo <= pageRecords; ++recNo) {
        const qint64 key = keys[std::size_t(recNo - 1)];
        if (removedFirst.contains(key)) {
            EXPECT_THROW(PictureOf(recNo), EDatabaseError) << "record " << recNo;
            continue;
        }
        // A row removed once its picture was read may show it still, never another one.
        try {
            EXPECT_EQ(PictureOf(recNo), TTestPictures::NamingRow(key)) << "record " << recNo;
        } catch (const EDatabaseError&) {
            EXPECT_EQ(key, removedAfter) << "record " << recNo;
        }
    }

    // A page reaching past the records held around its first one.
    query->PrefetchRecords(pageRecords + 1, 3 * pageRecords);
    for (int recNo = pageRecords + 1; recNo <= int(keys.size()); ++recNo)
        EXPECT_EQ(PictureOf(recNo), TTestPictures::NamingRow(keys[std::size_t(recNo - 1)]))
            << "record " << recNo;
    EXPECT_LE(query->RecordsHeld(), cacheRecords);
}

TEST_P(ShownPage, APageKeepsNullAndEmptyApartAndShowsWhatIsPostedToIt)
{
    const qint64 none = catalogue.Add({0, QVariant()});
    catalogue.Add({0, QByteArray("")});
    const qint64 three = catalogue.Add({0, QByteArray("abc")});
    query->Open();
    query->PrefetchRecords(1, pageRecords);

    query->SetRecNo(1);
    EXPECT_TRUE(Picture().IsNull());
    EXPECT_EQ(Picture().BlobSize(), 0);
    EXPECT_FALSE(Picture().Value().isValid());
    query->SetRecNo(2);
    EXPECT_FALSE(Picture().IsNull());
    EXPECT_EQ(Picture().BlobSize(), 0);
    EXPECT_TRUE(Picture().Value().isValid());
    EXPECT_TRUE(Picture().AsBytes().isEmpty());
    EXPECT_EQ(PictureOf(3), QByteArray("abc"));
    EXPECT_EQ(Picture().BlobSize(), 3);

    query->SetRecNo(1);
    query->Edit();
    Picture().SetAsBytes(QByteArray("posted"));
    query->Post();
    query->SetRecNo(3);
    query->Edit();
    Picture().Clear();
    query->Post();
    query->PrefetchRecords(1, pageRecords);
    EXPECT_EQ(PictureOf(1), QByteArray("posted"));
    query->SetRecNo(3);
    EXPECT_TRUE(Picture().IsNull());
    EXPECT_EQ(catalogue.StoredPicture(none).toByteArray(), QByteArray("posted"));
    EXPECT_FALSE(catalogue.StoredPicture(three).isValid());
}

// A large cache fills once walked beyond the first pages: opening reads a few of them.
TEST_P(ShownPage, OpeningHoldsAFewPagesAndAPageBeyondThemIsHeldWhole)
{
    const std::vector<qint64> keys = Fill(900);
    const int records = int(keys.size());
    query->SetCacheSize(1000);
    query->Open();
    const int opened = query->RecordsHeld();
    EXPECT_GE(opened, 3 * pageRecords);
    EXPECT_LT(opened, records / 2);

    const int first = opened - pageRecords / 2;
    query->PrefetchRecords(first, 3 * pageRecords);
    for (int recNo = first; recNo < first + 3 * pageRecords; ++recNo) {
        const qint64 key = keys[std::size_t(recNo - 1)];
        EXPECT_EQ(PictureOf(recNo), TTestPictures::NamingRow(key)) << "record " << recNo;
        EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->Value().toLongLong(), key);
    }
    EXPECT_EQ(query->RecordsHeld(), records) << "walked beyond, the cache fills";
}

TEST_P(ShownPage, NamingRecordsOutsideTheDataSetOrAClosedOneDoesNothing)
{
    const std::vector<qint64> keys = Fill(9);
    query->PrefetchRecords(1, pageRecords);
    query->Open();
    query->PrefetchRecords(-3, 5);
    query->PrefetchRecords(int(keys.size()), pageRecords);
    query->PrefetchRecords(int(keys.size()) + 1, pageRecords);
    query->PrefetchRecords(1, 0);
    EXPECT_EQ(PictureOf(1), TTestPictures::NamingRow(keys.front()));
    EXPECT_EQ(PictureOf(int(keys.size())), TTestPictures::NamingRow(keys.back()));
}

INSTANTIATE_TEST_SUITE_P(Stores, ShownPage, EveryStore(), StoreName);
