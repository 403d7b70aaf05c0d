#include "Exception.h"
#include "PictureDataTest.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TDataStore.h"
#include "TField.h"
#include "TMemoryStream.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteStore.h"
#include "TSQLiteTestCatalogue.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

constexpr int pictureBytes = 256 * 1024;
constexpr int pictureCount = 40;
// SQLite's page size for new files: a picture spans this many overflow pages.
constexpr int pagesPerPicture = pictureBytes / 4096;

// Blob columns read only when a field asks for them, on the store of the fixture.
template <class Fixture> class LazyBlobsOn : public Fixture {
protected:
    using Fixture::catalogue;
    using Fixture::connection;
    using Fixture::Fixture;
    using Fixture::query;

    void Open(const QString& sql)
    {
        query->Close();
        query->SetSQL(sql.split(QLatin1Char('\n')));
        query->Open();
    }

    TBlobField* Picture() const
    {
        return dynamic_cast<TBlobField*>(query->FieldByName(QStringLiteral("Mirelvane")));
    }

    qint64 BytesRead() { return connection->Store().BlobBytesRead(); }

    // The blob column's values, whatever kind of field the store's types made of it (an
    // expression of a compound has no declared type in a file and gets a plain field).
    std::vector<QByteArray> ReadAll()
    {
        std::vector<QByteArray> blobs;
        TField* field = query->FieldByName(QStringLiteral("Mirelvane"));
        for (query->First(); !query->Eof(); query->Next())
            blobs.push_back(field->Value().toByteArray());
        return blobs;
    }
};

class LazyBlobs : public LazyBlobsOn<PictureStoreTest> {};

// The same on a file, where SQLite's own workings can be watched.
class FileLazyBlobs : public LazyBlobsOn<PictureDataTest> {
protected:
    // Pages SQLite had to fetch from the file since the last call.
    int PagesFetched()
    {
        int misses = 0;
        int unused = 0;
        sqlite3_db_status(dynamic_cast<TSQLiteStore&>(connection->Store()).Database().Handle(),
                          SQLITE_DBSTATUS_CACHE_MISS, &misses, &unused, 1);
        return misses;
    }
};

} // namespace

TEST_P(LazyBlobs, OpeningACategoryReadsNoPicture)
{
    catalogue.AddPictures(pictureCount, 0, pictureBytes);
    Open(QStringLiteral("Select * From picture\nwhere parent=0\n"));
    EXPECT_EQ(query->RecordCount(), pictureCount);
    EXPECT_TRUE(query->BlobsAreLazy());
    EXPECT_TRUE(query->BlobLoadsSkipped());
    EXPECT_EQ(BytesRead(), 0);

    query->SetRecNo(7);
    EXPECT_EQ(Picture()->BlobSize(), pictureBytes);
    EXPECT_FALSE(Picture()->IsNull());
    EXPECT_EQ(BytesRead(), 0); // size and NULL test read no content
    const QByteArray picture = Picture()->AsBytes();
    EXPECT_EQ(picture, QByteArray(pictureBytes, 'g'));
    EXPECT_EQ(BytesRead(), pictureBytes);
}

TEST_F(FileLazyBlobs, OpeningACategoryFetchesNoPicturePages)
{
    catalogue.AddPictures(pictureCount, 0, pictureBytes);
    connection->Open();
    PagesFetched();
    Open(QStringLiteral("Select * From picture\nwhere parent=0\n"));
    // One leaf page per row and a few of the schema: none of the pictures' overflow pages.
    EXPECT_LT(PagesFetched(), pictureCount * 2 + 10);
    query->SetRecNo(7);
    Picture()->AsBytes();
    EXPECT_GE(PagesFetched(), pagesPerPicture);
}

TEST_F(FileLazyBlobs, WithoutSkippingTheLoadsOpeningStillKeepsNoPicture)
{
    catalogue.AddPictures(pictureCount, 0, pictureBytes);
    // The blob is read by the WHERE clause too, so SQLite has to load it while stepping.
    Open(QStringLiteral("Select * From picture where length(Mirelvane) > 0"));
    EXPECT_TRUE(query->BlobsAreLazy());
    EXPECT_FALSE(query->BlobLoadsSkipped());
    EXPECT_EQ(BytesRead(), 0);
    query->Last();
    EXPECT_EQ(Picture()->AsBytes(), QByteArray(pictureBytes, char('a' + (pictureCount - 1) % 26)));
}

TEST_P(LazyBlobs, NullAndEmptyDiffer)
{
    const qint64 nullId = catalogue.Add({0, QVariant()});
    catalogue.Add({0, QByteArray("")});
    catalogue.Add({0, QByteArray("abc")});
    Open(QStringLiteral("Select * From picture"));
    ASSERT_EQ(query->RecordCount(), 3);
    EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->AsInteger(), nullId);
    EXPECT_TRUE(Picture()->IsNull());
    EXPECT_EQ(Picture()->BlobSize(), 0);
    EXPECT_FALSE(Picture()->Value().isValid());
    TMemoryStream stream;
    Picture()->SaveToStream(stream);
    EXPECT_EQ(stream.Size(), 0);

    query->Next();
    EXPECT_FALSE(Picture()->IsNull());
    EXPECT_EQ(Picture()->BlobSize(), 0);
    EXPECT_TRUE(Picture()->Value().isValid());
    EXPECT_TRUE(Picture()->AsBytes().isEmpty());

    query->Next();
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("abc"));
    EXPECT_EQ(Picture()->DisplayLabel(), Picture()->FieldName());
    Picture()->SetDisplayLabel(QStringLiteral("图片"));
    EXPECT_EQ(Picture()->DisplayLabel(), QStringLiteral("图片"));
}

// A file's column may hold any kind of value.
TEST_F(FileLazyBlobs, NumbersAndTextInABlobColumnReadAsTheirBytes)
{
    catalogue.Exec("INSERT INTO picture(parent, Mirelvane) VALUES(0, 42)");
    catalogue.Exec("INSERT INTO picture(parent, Mirelvane) VALUES(0, 'text')");
    Open(QStringLiteral("Select * From picture"));
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("42"));
    query->Next();
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("text"));
}

TEST_F(FileLazyBlobs, ATableWithoutRowIdAliasIsReadByItsImplicitRowId)
{
    TSQLiteTestCatalogue plain(TPictureTable::Unkeyed);
    plain.Exec("INSERT INTO picture VALUES(0, x'0102'), (0, NULL), (10, x'03')");
    connection->SetConnectionString(plain.ConnectionString());
    Open(QStringLiteral("Select * From picture\nwhere parent=0"));
    EXPECT_TRUE(query->BlobsAreLazy());
    EXPECT_TRUE(query->BlobLoadsSkipped());
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("\x01\x02"));
    EXPECT_EQ(BytesRead(), 2);
    query->Next();
    EXPECT_TRUE(Picture()->IsNull());

    // Read whole, such a statement keeps the blobs with the rows; no key writes them back.
    Open(QStringLiteral("Select * From picture\nwhere parent=0 order by parent"));
    EXPECT_FALSE(query->BlobsAreLazy());
    EXPECT_FALSE(query->CanModify());
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("\x01\x02"));

    // Asking for the row id makes the blob lazy again.
    Open(QStringLiteral("Select rowid, * From picture\nwhere parent=0 order by parent"));
    EXPECT_TRUE(query->BlobsAreLazy());
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("\x01\x02"));
}

TEST_P(LazyBlobs, StatementsThatUseResultValuesKeepTheirMeaning)
{
    catalogue.Add({0, QByteArray("b")});
    catalogue.Add({0, QByteArray("c")});
    catalogue.Add({0, QByteArray("a")});
    catalogue.Add({0, QByteArray("a")});
    ASSERT_TRUE(catalogue.Exec("CREATE VIEW pictures AS SELECT * FROM picture"));

    Open(QStringLiteral("Select * From picture order by Mirelvane, ID"));
    EXPECT_EQ(ReadAll(), (std::vector<QByteArray>{"a", "a", "b", "c"}));

    Open(QStringLiteral("Select * From picture order by 3 desc"));
    EXPECT_EQ(ReadAll().front(), QByteArray("c"));

    Open(QStringLiteral("Select ID, Mirelvane m From picture order by m desc, ID"));
    EXPECT_EQ(query->Fields()[0]->AsInteger(), 2);

    Open(QStringLiteral("Select distinct parent, Mirelvane From picture"));
    EXPECT_EQ(query->RecordCount(), 3);

    Open(QStringLiteral("Select * From pictures where parent = 0 order by ID"));
    EXPECT_EQ(ReadAll(), (std::vector<QByteArray>{"b", "c", "a", "a"}));

    // The second row shows row 1's picture under the number 2: no key finds it, on a
    // file (where SQLite names the first SELECT's origin for every row of a compound)
    // nor on a server.
    const QString compound = QStringLiteral("Select ID, Mirelvane From picture where ID = 1 "
                                            "union all Select ID + 1, Mirelvane From picture "
                                            "where ID = 1");
    Open(compound);
    EXPECT_FALSE(query->BlobsAreLazy());
    EXPECT_EQ(ReadAll(), (std::vector<QByteArray>{"b", "b"}));

    Open(QStringLiteral("Select * From (%1) AS pair").arg(compound));
    EXPECT_EQ(ReadAll(), (std::vector<QByteArray>{"b", "b"}));
}

TEST_F(FileLazyBlobs, AStatementThatReadsThePictureInItsOrderLoadsIt)
{
    catalogue.Add({0, QByteArray("b")});
    catalogue.Add({0, QByteArray("a")});
    Open(QStringLiteral("Select * From picture order by Mirelvane, ID"));
    EXPECT_TRUE(query->BlobsAreLazy());
    EXPECT_FALSE(query->BlobLoadsSkipped());
    EXPECT_EQ(ReadAll(), (std::vector<QByteArray>{"a", "b"}));
}

TEST_P(LazyBlobs, ASelfJoinDoesNotMistakeOneRowsKeyForTheOthers)
{
    catalogue.Add({0, QByteArray("1")});
    catalogue.Add({0, QByteArray("2")});
    Open(QStringLiteral(
        "Select p.ID, q.Mirelvane From picture p join picture q on q.ID = p.ID + 1"));
    EXPECT_FALSE(query->BlobsAreLazy());
    EXPECT_FALSE(query->CanModify());
    EXPECT_EQ(query->Fields()[0]->AsInteger(), 1);
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("2"));
}

TEST_P(LazyBlobs, TheMissingSideOfALeftJoinIsNull)
{
    catalogue.Add({0, QByteArray("p")});
    ASSERT_TRUE(catalogue.Exec("CREATE TABLE info(name TEXT, pic INTEGER)"));
    ASSERT_TRUE(catalogue.Exec("INSERT INTO info VALUES('has', 1), ('lacks', 99)"));
    Open(QStringLiteral("Select i.name, p.ID, p.Mirelvane From info i left join picture p on "
                        "p.ID = i.pic order by i.name"));
    // A file's row ids find rows on either side of a join; a server's keys only the rows
    // of a statement that reads one table.
    EXPECT_EQ(query->BlobsAreLazy(), GetParam() == &TTestStore::SQLite());
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("p"));
    query->Next();
    EXPECT_EQ(query->Fields()[0]->AsString(), QStringLiteral("lacks"));
    EXPECT_TRUE(Picture()->IsNull());
}

TEST_P(LazyBlobs, ARowDeletedByAnotherProgramIsAClearError)
{
    const qint64 id = catalogue.Add({0, QByteArray("x")});
    Open(QStringLiteral("Select * From picture"));
    ASSERT_TRUE(catalogue.Exec("DELETE FROM picture")) << catalogue.LastError().toStdString();
    try {
        Picture()->AsBytes();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(
            QStringLiteral("the record with ID = %1 no longer exists").arg(id),
            Qt::CaseInsensitive))
            << error.Message().toStdString();
        EXPECT_TRUE(error.Message().contains(catalogue.Location()));
    }
}

TEST_P(LazyBlobs, AGridCanShowAnotherRecordWithoutMovingTheCursor)
{
    catalogue.Add({0, QByteArray("first")});
    catalogue.Add({0, QByteArray("second")});
    Open(QStringLiteral("Select * From picture"));
    query->SetDisplayRecord(2);
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("second"));
    EXPECT_EQ(query->RecNo(), 1);
    query->ClearDisplayRecord();
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("first"));
}

INSTANTIATE_TEST_SUITE_P(Stores, LazyBlobs, EveryStore(), StoreName);
