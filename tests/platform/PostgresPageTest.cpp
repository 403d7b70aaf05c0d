#include "Exception.h"
#include "PictureDataTest.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TDataStore.h"
#include "TEveryPulse.h"
#include "TField.h"
#include "TPgConnection.h"
#include "TPgStore.h"
#include "TPgTestConnection.h"
#include "TTestPictures.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

// What a page of a category on a server costs: its pictures come with one statement, a
// find's scattered records too, and what is held is read again for nothing; a cut
// connection or rows removed meanwhile never show a picture in the wrong record.

namespace {

constexpr int smallPictureBytes = 64;
constexpr int pageCells = 16;

class PostgresPages : public PictureDataTest {
protected:
    PostgresPages()
        : PictureDataTest(TTestStore::PostgreSQL(), TPictureTable::Indexed)
    {
        query->SetSQLLine(1, QStringLiteral("where parent=0"));
    }
    void SetUp() override { SKIP_UNLESS_REACHABLE(TTestStore::PostgreSQL()); }

    TPgConnection& Server() const
    {
        return dynamic_cast<TPgStore&>(connection->Store()).Connection();
    }
    qint64 RoundTrips() const { return Server().RoundTrips(); }
    qint64 BytesRead() const { return connection->Store().BlobBytesRead(); }

    TBlobField& Picture() const
    {
        return dynamic_cast<TBlobField&>(*query->FieldByName(QStringLiteral("Mirelvane")));
    }
    QByteArray PictureOf(int recNo) const
    {
        query->SetRecNo(recNo);
        return Picture().AsBytes();
    }
    // The picture AddPictures gave record recNo of a category made by it alone.
    static QByteArray Added(int recNo)
    {
        return QByteArray(smallPictureBytes, char('a' + (recNo - 1) % 26));
    }

    // Opens the category with pictures naming their rows (keys 1 to rows) while another
    // program holds the table locked: the page's statement then waits, and during the
    // wait atWait runs once.
    void PrefetchWhileLocked(int rows, const std::function<void(TPgTestConnection&)>& atWait,
                             bool& waited)
    {
        catalogue.AddMany(rows, [](int i) {
            return TPictureRow{0, TTestPictures::NamingRow(i + 1)};
        });
        query->SetCacheSize(rows);
        query->Open();
        TPgTestConnection other(catalogue.Location());
        other.Run(QStringLiteral("BEGIN; LOCK TABLE picture IN ACCESS EXCLUSIVE MODE"));
        waited = false;
        const TEveryPulse pulse([&] {
            if (!waited && other.GalleryWaitsForALock()) {
                waited = true;
                atWait(other);
            }
        });
        query->PrefetchRecords(1, pageCells);
    }
};

} // namespace

TEST_F(PostgresPages, KeysTravelAsOneBinaryArrayAndIntegersComeBackInEitherForm)
{
    const QList<qlonglong> keys = {5, -7, qlonglong(1) << 40};
    const TPgResult array =
        Server().Run(QStringLiteral("SELECT cardinality($1), $1[2], $1[3]"),
                     QStringLiteral("Cannot test"), {QVariant::fromValue(keys)});
    EXPECT_EQ(array.Int64(0, 0), 3);
    EXPECT_EQ(array.Int64(0, 1), -7);
    EXPECT_EQ(array.Int64(0, 2), qlonglong(1) << 40);
    EXPECT_EQ(Server()
                  .Run(QStringLiteral("SELECT cardinality($1)"), QStringLiteral("Cannot test"),
                       {QVariant::fromValue(QList<qlonglong>())})
                  .Int64(0, 0),
              0);

    const TPgResult binary =
        Server().Run(QStringLiteral("SELECT (-300)::int2, (-70000)::int4, $1::int8"),
                     QStringLiteral("Cannot test"), {QVariant(-(qlonglong(1) << 40))},
                     TPgConnection::TFormat::Binary);
    EXPECT_EQ(binary.Int64(0, 0), -300);
    EXPECT_EQ(binary.Int64(0, 1), -70000);
    EXPECT_EQ(binary.Int64(0, 2), -(qlonglong(1) << 40));
}

TEST_F(PostgresPages, APageOfPicturesCostsOneStatementAndShowingItNone)
{
    catalogue.AddPictures(100, 0, smallPictureBytes);
    query->SetCacheSize(40);
    query->Open();
    const qint64 trips = RoundTrips();
    const qint64 bytes = BytesRead();
    query->PrefetchRecords(1, pageCells);
    EXPECT_EQ(RoundTrips(), trips + 1);
    EXPECT_EQ(BytesRead(), bytes + pageCells * smallPictureBytes);

    for (int recNo = 1; recNo <= pageCells; ++recNo) {
        EXPECT_EQ(PictureOf(recNo), Added(recNo)) << "record " << recNo;
        EXPECT_FALSE(Picture().IsNull());
        EXPECT_EQ(Picture().BlobSize(), smallPictureBytes);
    }
    query->PrefetchRecords(1, pageCells);
    EXPECT_EQ(RoundTrips(), trips + 1) << "what is held is read again for nothing";

    // One row of four cells further on: only the new row's pictures are read.
    query->PrefetchRecords(5, pageCells);
    EXPECT_EQ(RoundTrips(), trips + 2);
    EXPECT_EQ(BytesRead(), bytes + (pageCells + 4) * smallPictureBytes);
    EXPECT_EQ(PictureOf(pageCells + 4), Added(pageCells + 4));
    EXPECT_EQ(RoundTrips(), trips + 2);
}

TEST_F(PostgresPages, APageHoldsNoMoreThanTheWindowAndLetsThePreviousOneGo)
{
    constexpr int windowRecords = 10;
    catalogue.AddPictures(100, 0, smallPictureBytes);
    query->SetCacheSize(windowRecords);
    query->Open();
    qint64 bytes = BytesRead();
    query->PrefetchRecords(1, 3 * pageCells);
    EXPECT_EQ(BytesRead(), bytes + windowRecords * smallPictureBytes);

    bytes = BytesRead();
    query->PrefetchRecords(50, 3 * pageCells);
    EXPECT_GT(BytesRead(), bytes);
    EXPECT_LE(BytesRead(), bytes + windowRecords * smallPictureBytes);
    EXPECT_LE(query->RecordsHeld(), windowRecords);
    EXPECT_EQ(PictureOf(50), Added(50));

    // The first page was let go: its pictures are read again.
    bytes = BytesRead();
    EXPECT_EQ(PictureOf(1), Added(1));
    EXPECT_EQ(BytesRead(), bytes + smallPictureBytes);
}

// Opened, a large cache holds a few pages; a page reaching beyond them costs a statement
// for its records and one for its pictures, and showing it nothing more.
TEST_F(PostgresPages, APageBeyondTheFirstOnesCostsOneStatementForRecordsAndOneForPictures)
{
    catalogue.AddPictures(600, 0, smallPictureBytes);
    query->SetCacheSize(1000);
    query->Open();
    const int first = query->RecordsHeld() - pageCells / 2;
    const qint64 trips = RoundTrips();
    query->PrefetchRecords(first, pageCells);
    EXPECT_EQ(RoundTrips(), trips + 2);
    for (int recNo = first; recNo < first + pageCells; ++recNo)
        EXPECT_EQ(PictureOf(recNo), Added(recNo)) << "record " << recNo;
    EXPECT_EQ(RoundTrips(), trips + 2);
}

// What the catalog says of the table is asked once; columns added or renamed by another
// program are seen at the next opening, and written to under their new names.
TEST_F(PostgresPages, ACategoryOpenedAgainAsksTheCatalogNothingUntilItsColumnsChange)
{
    catalogue.AddPictures(20, 0, smallPictureBytes);
    const auto openingTrips = [&] {
        query->Close();
        const qint64 before = RoundTrips();
        query->Open();
        return RoundTrips() - before;
    };
    const qint64 first = openingTrips();
    EXPECT_EQ(openingTrips(), first - 1);

    TPgTestConnection other(catalogue.Location());
    other.Run(QStringLiteral("ALTER TABLE picture ADD COLUMN note text DEFAULT 'new'"));
    EXPECT_EQ(openingTrips(), first);
    EXPECT_EQ(query->FieldByName(QStringLiteral("note"))->AsString(), QStringLiteral("new"));
    EXPECT_TRUE(query->WalksByKey());

    other.Run(QStringLiteral("ALTER TABLE picture RENAME COLUMN note TO remark"));
    EXPECT_EQ(openingTrips(), first);
    query->Edit();
    query->FieldByName(QStringLiteral("remark"))->SetAsString(QStringLiteral("edited"));
    query->Post();
    EXPECT_EQ(other.Single(QStringLiteral("SELECT remark FROM picture WHERE id = %1")
                               .arg(query->FieldByName(QStringLiteral("ID"))->AsInteger())),
              QStringLiteral("edited"));
    EXPECT_EQ(PictureOf(2), Added(2));
}

// A find's records lie far apart: the records held around the one asked for are read
// with one statement, not one for each.
TEST_F(PostgresPages, AFindsScatteredRecordsAreReadWithOneStatement)
{
    constexpr int rows = 1000;
    catalogue.AddMany(rows, [](int i) { return TPictureRow{0, TTestPictures::NamingRow(i + 1)}; });
    std::vector<qint64> keys;
    for (qint64 key = rows - 7; key > 0; key -= 23)
        keys.push_back(key);
    query->SetSQL({QStringLiteral("Select * From picture")});
    query->SetRecordKeys(keys);
    query->SetCacheSize(30);
    query->Open();
    const qint64 trips = RoundTrips();
    query->SetRecNo(int(keys.size()) - 5);
    EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->Value().toLongLong(),
              keys[keys.size() - 6]);
    EXPECT_EQ(RoundTrips(), trips + 1);
    EXPECT_LE(query->RecordsHeld(), 30);

    int recNo = 0;
    for (query->First(); !query->Eof(); query->Next()) {
        const qint64 key = keys[std::size_t(recNo++)];
        EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->Value().toLongLong(), key);
        EXPECT_EQ(Picture().AsBytes(), TTestPictures::NamingRow(key));
    }
    EXPECT_EQ(recNo, int(keys.size()));
}

// Another program cuts the connection while the page's statement waits for its lock: the
// statement runs again on a new connection, and the page is whole.
TEST_F(PostgresPages, AConnectionCutWhileAPageIsReadIsReadAgainOnANewOne)
{
    bool waited = false;
    PrefetchWhileLocked(
        30,
        [](TPgTestConnection& other) {
            EXPECT_TRUE(other.EndGalleryWaitingForALock());
            other.Run(QStringLiteral("ROLLBACK"));
        },
        waited);
    ASSERT_TRUE(waited) << "the page's statement never waited";
    const qint64 trips = RoundTrips();
    for (int recNo = 1; recNo <= pageCells; ++recNo)
        EXPECT_EQ(PictureOf(recNo), TTestPictures::NamingRow(recNo)) << "record " << recNo;
    EXPECT_EQ(RoundTrips(), trips);
}

// Rows removed while the page's statement waits: they show no picture, and every other
// record its own.
TEST_F(PostgresPages, RowsRemovedWhileAPageIsReadShowNoPictureAndTheOthersTheirOwn)
{
    const std::set<int> removed = {3, 8, 9, pageCells};
    bool waited = false;
    PrefetchWhileLocked(
        30,
        [&](TPgTestConnection& other) {
            for (const int key : removed)
                other.Run(QStringLiteral("DELETE FROM picture WHERE id = %1").arg(key));
            other.Run(QStringLiteral("COMMIT"));
        },
        waited);
    ASSERT_TRUE(waited) << "the page's statement never waited";
    const qint64 trips = RoundTrips();
    for (int recNo = 1; recNo <= pageCells; ++recNo) {
        if (removed.contains(recNo))
            EXPECT_THROW(PictureOf(recNo), EDatabaseError) << "record " << recNo;
        else
            EXPECT_EQ(PictureOf(recNo), TTestPictures::NamingRow(recNo)) << "record " << recNo;
    }
    EXPECT_EQ(RoundTrips(), trips) << "the page knows which rows are gone";
}
