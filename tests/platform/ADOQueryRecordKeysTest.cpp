#include "Exception.h"
#include "PictureDataTest.h"
#include "TADOQuery.h"
#include "TDataLink.h"
#include "TDataSource.h"
#include "TField.h"
#include "TTestPictures.h"

#include <gtest/gtest.h>

// A query whose records are the rows of given keys, in the order given (a find's
// result): read, walked and written like a category's records.

namespace {

constexpr int keyedPictures = 40;

class RecordKeys : public PictureStoreTest {
protected:
    RecordKeys()
    {
        catalogue.AddMany(keyedPictures, [](int i) {
            return TPictureRow{i % 2, TTestPictures::NamingRow(i + 1)};
        });
        query->SetSQL({QStringLiteral("Select * From picture")});
        query->SetCacheSize(3);
    }

    // The pictures of the records, walked forwards then backwards.
    std::pair<QList<QByteArray>, QList<QByteArray>> Walked() const
    {
        QList<QByteArray> forwards;
        QList<QByteArray> backwards;
        for (query->First(); !query->Eof(); query->Next()) {
            forwards << Picture();
            EXPECT_LE(query->RecordsHeld(), 3);
        }
        for (query->Last(); !query->Bof(); query->Prior())
            backwards.prepend(Picture());
        return {forwards, backwards};
    }
    QByteArray Picture() const
    {
        return query->FieldByName(QStringLiteral("Mirelvane"))->Value().toByteArray();
    }
    static QList<QByteArray> PicturesOf(const std::vector<qint64>& keys)
    {
        QList<QByteArray> pictures;
        for (const qint64 key : keys)
            pictures << TTestPictures::NamingRow(key);
        return pictures;
    }
};

// What a data source passes on to its controls.
class TEventCount : public TDataLink {
public:
    int activeChanges = 0;
    int dataSetChanges = 0;

protected:
    void ActiveChanged() override { ++activeChanges; }
    void DataSetChanged() override { ++dataSetChanges; }
};

} // namespace

TEST_P(RecordKeys, TheRecordsAreTheRowsOfTheKeysInTheirOrder)
{
    const std::vector<qint64> keys = {7, 2, 9, 3, 4, 5, 40, 1, 39, 38};
    query->SetRecordKeys(keys);
    query->Open();
    ASSERT_EQ(query->RecordCount(), int(keys.size()));
    const QList<QByteArray> expected = PicturesOf(keys);
    const auto [forwards, backwards] = Walked();
    EXPECT_EQ(forwards, expected);
    EXPECT_EQ(backwards, expected);
    query->SetRecNo(7);
    EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->Value().toLongLong(), 40);
}

TEST_P(RecordKeys, ARowThatIsNotThereHasNullValues)
{
    query->SetRecordKeys(std::vector<qint64>{5, 1000, 6});
    query->Open();
    query->SetRecNo(2);
    EXPECT_TRUE(query->FieldByName(QStringLiteral("parent"))->IsNull());
    EXPECT_FALSE(query->FieldByName(QStringLiteral("ID"))->Value().isValid());
    query->Next();
    EXPECT_EQ(Picture(), TTestPictures::NamingRow(6));
}

// More scattered records than one look-up takes, rows that are not there among them.
TEST_P(RecordKeys, ManyScatteredRecordsAreReadAtOnceEachWithItsOwnRow)
{
    std::vector<qint64> keys;
    for (qint64 key = keyedPictures; key >= 1; --key)
        keys.insert(keys.end(), {key, 1000 + key});
    keys.push_back(keyedPictures);
    query->SetCacheSize(int(keys.size()));
    query->SetRecordKeys(keys);
    query->Open();
    EXPECT_EQ(query->RecordsHeld(), int(keys.size()));
    for (int record = 1; record <= int(keys.size()); ++record) {
        query->SetRecNo(record);
        const qint64 key = keys[std::size_t(record - 1)];
        if (key > keyedPictures)
            EXPECT_TRUE(query->FieldByName(QStringLiteral("parent"))->IsNull()) << key;
        else
            EXPECT_EQ(Picture(), TTestPictures::NamingRow(key)) << key;
    }
}

TEST_P(RecordKeys, ARecordChosenByKeyIsWrittenToItsRow)
{
    query->SetRecordKeys(std::vector<qint64>{30, 10});
    query->Open();
    query->Next();
    query->Edit();
    query->FieldByName(QStringLiteral("Mirelvane"))->SetValue(QByteArray("new"));
    query->Post();
    EXPECT_EQ(catalogue.StoredPicture(10), QVariant(QByteArray("new")));
    EXPECT_EQ(catalogue.StoredPicture(30), QVariant(TTestPictures::NamingRow(30)));
}

TEST_P(RecordKeys, ChangingTheKeysClosesTheQueryAndNoneMeansEveryRow)
{
    query->SetRecordKeys(std::vector<qint64>{1});
    query->Open();
    query->SetRecordKeys(std::nullopt);
    EXPECT_FALSE(query->Active());
    query->Open();
    EXPECT_EQ(query->RecordCount(), keyedPictures);
}

// How a find's next result is shown: the open query keeps its fields and its data
// sources, which hear of the new records as of a jump to the first.
TEST_P(RecordKeys, OtherKeysGivenToTheOpenQueryReplaceItsRecordsInPlace)
{
    query->SetRecordKeys(std::vector<qint64>{7, 2, 9});
    query->Open();
    ASSERT_EQ(source->DataSet(), query);
    TEventCount link;
    link.SetDataSource(source);
    TField* const picture = query->FieldByName(QStringLiteral("Mirelvane"));
    query->Last();
    const int activeChangesBefore = link.activeChanges;
    const int changesBefore = link.dataSetChanges;

    const std::vector<qint64> keys = {12, 3, 40, 1, 25};
    query->SetRecordKeys(keys);
    EXPECT_TRUE(query->Active());
    EXPECT_EQ(query->FieldByName(QStringLiteral("Mirelvane")), picture);
    EXPECT_EQ(link.activeChanges, activeChangesBefore);
    EXPECT_EQ(link.dataSetChanges, changesBefore + 1);
    EXPECT_EQ(query->RecNo(), 1);
    EXPECT_TRUE(query->Bof());
    EXPECT_EQ(query->RecordCount(), int(keys.size()));
    EXPECT_EQ(Walked().first, PicturesOf(keys));

    query->SetRecordKeys(std::vector<qint64>());
    EXPECT_TRUE(query->Active());
    EXPECT_TRUE(query->IsEmpty());
    EXPECT_EQ(query->RecNo(), -1);
}

TEST_P(RecordKeys, AnEditIsWrittenBeforeTheRecordsAreReplaced)
{
    query->SetRecordKeys(std::vector<qint64>{30, 10});
    query->Open();
    query->Next();
    query->Edit();
    query->FieldByName(QStringLiteral("Mirelvane"))->SetValue(QByteArray("new"));
    query->SetRecordKeys(std::vector<qint64>{10, 11});
    EXPECT_EQ(catalogue.StoredPicture(10), QVariant(QByteArray("new")));
    EXPECT_EQ(Picture(), QByteArray("new"));
    EXPECT_EQ(catalogue.StoredPicture(30), QVariant(TTestPictures::NamingRow(30)));
}

TEST_P(RecordKeys, OnlyAPlainSelectOfOneTableTakesKeys)
{
    query->SetSQL({QStringLiteral("Select * From picture order by parent")});
    query->SetRecordKeys(std::vector<qint64>{1});
    EXPECT_THROW(query->Open(), EDatabaseError);
    EXPECT_FALSE(query->Active());
}

INSTANTIATE_TEST_SUITE_P(Stores, RecordKeys, EveryStore(), StoreName);
