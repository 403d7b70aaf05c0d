#include "PictureDataTest.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TBusyPulse.h"
#include "TDataStore.h"
#include "TField.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteTestCatalogue.h"
#include "TTestPictures.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

constexpr int cacheSize = 100;
constexpr int categoryRecords = 1000; // ten caches
// Every fifth picture belongs to another category, so the category's keys have gaps.
constexpr int otherEvery = 5;

// A category query over a catalogue much larger than the query's record cache, walked by
// the rows' keys (a file's row ids, a server table's primary key); the keys of its
// records are known, and every picture names its own key.
template <class Fixture> class KeyWalkOn : public Fixture {
protected:
    template <class... TArguments>
    explicit KeyWalkOn(TArguments&&... arguments)
        : Fixture(std::forward<TArguments>(arguments)..., TPictureTable::Indexed)
    {
        query->SetCacheSize(cacheSize);
        query->SetSQLLine(1, QStringLiteral("where parent=0"));
    }

    using Fixture::catalogue;
    using Fixture::connection;
    using Fixture::query;

    // Fills a table whose row id is rowid or ID alike: row ids 1, 2, ... in order.
    void Fill(TTestCatalogue& target)
    {
        qint64 rows = 0;
        while (expected.size() < std::size_t(categoryRecords)) {
            if (++rows % otherEvery != 0)
                expected.push_back(rows);
        }
        target.AddMany(int(rows), [](int i) {
            const qint64 rowId = i + 1;
            return TPictureRow{rowId % otherEvery == 0 ? 10 : 0, TTestPictures::NamingRow(rowId)};
        });
    }

    void Use(TTestCatalogue& target)
    {
        connection->Close();
        connection->SetConnectionString(target.ConnectionString());
    }

    QByteArray Shown() const
    {
        return query->FieldByName(QStringLiteral("Mirelvane"))->Value().toByteArray();
    }

    // The current record shows the picture of the row id at its place, and no more than
    // the cache is held.
    void ExpectCurrentIsItsRow() const
    {
        const qint64 rowId = expected[std::size_t(query->RecNo() - 1)];
        EXPECT_EQ(Shown(), TTestPictures::NamingRow(rowId)) << "record " << query->RecNo();
        EXPECT_LE(query->RecordsHeld(), cacheSize);
    }

    void WalkBothWays()
    {
        int walked = 0;
        for (query->First(); !query->Eof(); query->Next(), ++walked)
            ExpectCurrentIsItsRow();
        EXPECT_EQ(walked, categoryRecords);
        walked = 0;
        for (query->Last(); !query->Bof(); query->Prior(), ++walked)
            ExpectCurrentIsItsRow();
        EXPECT_EQ(walked, categoryRecords);
    }

    qint64 BytesRead() const { return connection->Store().BlobBytesRead(); }

    std::vector<qint64> expected; // row ids of the category's records, in order
};

class KeyWalk : public KeyWalkOn<PictureStoreTest> {};

// On a file, where a table without a key column has row ids all the same.
class RowIdWalk : public KeyWalkOn<PictureDataTest> {
protected:
    RowIdWalk()
        : KeyWalkOn(TTestStore::SQLite())
    {}
};

} // namespace

TEST_P(KeyWalk, OpeningCountsTheRecordsAndHoldsOnlyTheFirstCache)
{
    Fill(catalogue);
    query->Open();
    EXPECT_TRUE(query->WalksByKey());
    EXPECT_EQ(query->RecordCount(), categoryRecords);
    EXPECT_EQ(query->RecordsHeld(), cacheSize);
    EXPECT_EQ(BytesRead(), 0);
    EXPECT_TRUE(query->BlobLoadsSkipped());
    EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->AsInteger(), expected.front());
}

TEST_P(KeyWalk, WalksForwardsAndBackwardsAcrossTheCacheBoundaries)
{
    Fill(catalogue);
    query->Open();
    WalkBothWays();
}

TEST_P(KeyWalk, JumpsToTheLastRecordAndAnywhereBetween)
{
    Fill(catalogue);
    query->Open();
    query->Last();
    EXPECT_EQ(query->RecNo(), categoryRecords);
    EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->AsInteger(), expected.back());
    ExpectCurrentIsItsRow();
    for (const int recNo : {categoryRecords / 2, 1, cacheSize + 1, categoryRecords - cacheSize}) {
        query->SetRecNo(recNo);
        ExpectCurrentIsItsRow();
    }
    // A record shown by a grid cell, far from the current one, without moving the cursor.
    query->SetDisplayRecord(categoryRecords / 3);
    EXPECT_EQ(Shown(), TTestPictures::NamingRow(expected[categoryRecords / 3 - 1]));
    query->ClearDisplayRecord();
    EXPECT_EQ(query->RecNo(), categoryRecords - cacheSize);
}

TEST_P(KeyWalk, AnEditFarFromTheFirstCacheIsStoredAndShownAfterWalkingAway)
{
    Fill(catalogue);
    query->Open();
    const int recNo = categoryRecords - 3;
    query->SetRecNo(recNo);
    query->Edit();
    query->FieldByName(QStringLiteral("Mirelvane"))->SetValue(QByteArray("edited"));
    query->FieldByName(QStringLiteral("parent"))->SetAsInteger(0);
    query->Post();
    EXPECT_EQ(catalogue.StoredPicture(expected[std::size_t(recNo - 1)]), QByteArray("edited"));
    query->First();
    query->SetRecNo(recNo);
    EXPECT_EQ(Shown(), QByteArray("edited"));
}

// Pictures added together: the records are known from their count and their ends.
TEST_P(KeyWalk, ACategoryOfConsecutiveKeysAndItsNeighbours)
{
    catalogue.AddPictures(categoryRecords, 10, 1);
    catalogue.AddPictures(categoryRecords, 0, 1);
    catalogue.AddPictures(3, 10, 1);
    const auto idAt = [&](int recNo) {
        query->SetRecNo(recNo);
        return query->FieldByName(QStringLiteral("ID"))->AsInteger();
    };
    query->Open();
    EXPECT_EQ(query->RecordCount(), categoryRecords);
    EXPECT_EQ(idAt(1), categoryRecords + 1);
    EXPECT_EQ(idAt(categoryRecords / 2), categoryRecords + categoryRecords / 2);
    EXPECT_EQ(idAt(categoryRecords), 2 * categoryRecords);
    EXPECT_LE(query->RecordsHeld(), cacheSize);
    query->Close();
    query->SetMaxRecords(cacheSize + 1);
    query->Open();
    EXPECT_EQ(query->RecordCount(), cacheSize + 1);
    EXPECT_EQ(idAt(cacheSize + 1), categoryRecords + cacheSize + 1);
}

TEST_P(KeyWalk, MaxRecordsAndAnEmptyCategory)
{
    Fill(catalogue);
    query->SetMaxRecords(cacheSize + 7);
    query->Open();
    EXPECT_EQ(query->RecordCount(), cacheSize + 7);
    query->Last();
    ExpectCurrentIsItsRow();
    query->Close();
    query->SetSQLLine(1, QStringLiteral("where parent=99"));
    query->Open();
    EXPECT_TRUE(query->WalksByKey());
    EXPECT_EQ(query->RecordCount(), 0);
    EXPECT_TRUE(query->Bof() && query->Eof());
}

// Another program changes the file between two fetches of the cache: a removed record
// shows nothing, an added row is no record of the open query.
TEST_P(KeyWalk, RowsRemovedOrAddedByAnotherProgramAfterOpening)
{
    Fill(catalogue);
    query->Open();
    const qint64 removed = expected[categoryRecords / 2];
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("DELETE FROM picture WHERE ID = %1").arg(removed)))
        << catalogue.LastError().toStdString();
    catalogue.Add({0, QByteArray("added")});
    query->SetRecNo(categoryRecords / 2 + 1);
    EXPECT_TRUE(query->FieldByName(QStringLiteral("parent"))->IsNull());
    query->Next();
    ExpectCurrentIsItsRow();
    query->Last();
    ExpectCurrentIsItsRow();
    EXPECT_EQ(query->RecordCount(), categoryRecords);
}

// A catalogue made by another program: no key column and no index on parent.
TEST_F(RowIdWalk, ACatalogueWithOnlyParentAndPictureIsWalkedByItsImplicitRowId)
{
    TSQLiteTestCatalogue plain(TPictureTable::Unkeyed);
    Fill(plain);
    Use(plain);
    query->Open();
    EXPECT_TRUE(query->WalksByKey());
    EXPECT_TRUE(query->BlobsAreLazy());
    EXPECT_EQ(query->RecordCount(), categoryRecords);
    EXPECT_EQ(BytesRead(), 0);
    WalkBothWays();

    // The row id also writes an edit back to its row.
    query->SetRecNo(cacheSize * 3);
    ASSERT_TRUE(query->CanModify());
    query->Edit();
    query->FieldByName(QStringLiteral("Mirelvane"))->SetValue(QByteArray("new"));
    query->Post();
    query->First();
    query->SetRecNo(cacheSize * 3);
    EXPECT_EQ(Shown(), QByteArray("new"));
}

TEST_P(KeyWalk, TextsAroundThePlainSelectStillWalkByKey)
{
    Fill(catalogue);
    for (const char* filter :
         {"where parent=0;", "where parent=0 -- icons", "WHERE parent = 0 ;\n"}) {
        query->Close();
        query->SetSQLLine(1, QString::fromLatin1(filter));
        query->Open();
        EXPECT_TRUE(query->WalksByKey()) << filter;
        EXPECT_EQ(query->RecordCount(), categoryRecords) << filter;
    }
}

// Statements whose records are no plain rows of one table are read as before.
TEST_P(KeyWalk, OtherStatementsAreReadWhole)
{
    Fill(catalogue);
    for (const char* sql :
         {"Select * From picture where parent=0 order by ID desc",
          "Select * From picture where parent=0 limit 5", "Select parent + 1 From picture",
          "Select count(*) From picture", "Select p.* From picture p, picture q where q.ID = 1",
          "Select ID, parent From picture union Select ID, parent From picture"}) {
        query->Close();
        query->SetSQL({QString::fromLatin1(sql)});
        query->Open();
        EXPECT_FALSE(query->WalksByKey()) << sql;
    }
    query->Close();
    query->SetSQL({QStringLiteral("Select * From picture where parent=0 order by ID desc")});
    query->Open();
    EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->AsInteger(), expected.back());
    EXPECT_EQ(Shown(), TTestPictures::NamingRow(expected.back()));
}

TEST_F(RowIdWalk, TablesWithoutRowIdsAreReadWhole)
{

    TSQLiteTestCatalogue keyed(
        "CREATE TABLE picture(ID INTEGER PRIMARY KEY, parent INTEGER, Mirelvane BLOB) "
        "WITHOUT ROWID");
    keyed.Exec("INSERT INTO picture VALUES(7, 0, CAST('only' AS BLOB))");
    Use(keyed);
    query->SetSQL({QStringLiteral("Select * From picture where parent=0")});
    query->Open();
    EXPECT_FALSE(query->WalksByKey());
    EXPECT_EQ(Shown(), QByteArray("only"));
}

// The scan of a large table keeps busy indicators going, and nothing else runs: an event
// waiting in the queue stays there until the query has opened.
TEST_F(RowIdWalk, OpeningPulsesBusyIndicatorsAndProcessesNoEvents)
{
    TSQLiteTestCatalogue plain(TPictureTable::Unkeyed);
    Fill(plain);
    Use(plain);
    const int interval = TBusyPulse::IntervalMs();
    TBusyPulse::SetIntervalMs(0);
    int beats = 0;
    bool queuedRan = false;
    {
        const TBusyPulse pulse([&] { ++beats; });
        QMetaObject::invokeMethod(
            qApp, [&] { queuedRan = true; }, Qt::QueuedConnection);
        query->Open();
    }
    TBusyPulse::SetIntervalMs(interval);
    EXPECT_GT(beats, 0);
    EXPECT_FALSE(queuedRan);
    QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
    EXPECT_TRUE(queuedRan);
    // Without a registration nothing beats.
    query->Close();
    beats = 0;
    query->Open();
    EXPECT_EQ(beats, 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, KeyWalk, EveryStore(), StoreName);
