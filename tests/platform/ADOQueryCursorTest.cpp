#include "Exception.h"
#include "PictureDataTest.h"
#include "TADOQuery.h"
#include "TField.h"
#include "TIntegerField.h"

#include <gtest/gtest.h>

namespace {

// The main window's arrangement: a connection and a query over table picture, with the
// three-line SQL text whose line 1 carries the category filter; on every store.
class CategoryQuery : public PictureStoreTest {
protected:
    CategoryQuery() { query->SetName(QStringLiteral("ADOQuery1")); }

    qint64 CurrentId() const { return query->FieldByName(QStringLiteral("ID"))->AsInteger(); }
};

} // namespace

TEST_P(CategoryQuery, TheStatementIsTheLinesJoinedByLineBreaks)
{
    query->SetSQLLine(1, QStringLiteral("where parent=0"));
    EXPECT_EQ(query->SQLText(), QStringLiteral("Select * From picture\nwhere parent=0\n"));
    EXPECT_THROW(query->SetSQLLine(3, QStringLiteral("x")), EListError);
    EXPECT_THROW(query->SetSQLLine(-1, QStringLiteral("x")), EListError);
}

TEST_P(CategoryQuery, AnEmptyCategoryIsAtBofAndEof)
{
    catalogue.Add({10, QByteArray("t")});
    OpenCategory(0);
    EXPECT_TRUE(query->Active());
    EXPECT_EQ(query->RecordCount(), 0);
    EXPECT_TRUE(query->IsEmpty());
    EXPECT_TRUE(query->Bof());
    EXPECT_TRUE(query->Eof());
    EXPECT_EQ(query->RecNo(), -1);
    EXPECT_EQ(query->MoveBy(1), 0);
    query->Next();
    query->Prior();
    query->Last();
    EXPECT_TRUE(query->Bof());
    EXPECT_TRUE(query->Eof());
    EXPECT_TRUE(query->FieldByName(QStringLiteral("parent"))->IsNull());
}

TEST_P(CategoryQuery, OneRecord)
{
    const qint64 id = catalogue.Add({0, QByteArray("i")});
    catalogue.Add({10, QByteArray("t")});
    OpenCategory(0);
    EXPECT_EQ(query->RecordCount(), 1);
    EXPECT_TRUE(query->Bof());
    EXPECT_FALSE(query->Eof());
    EXPECT_EQ(query->RecNo(), 1);
    EXPECT_EQ(CurrentId(), id);
    query->Next();
    EXPECT_TRUE(query->Eof());
    EXPECT_FALSE(query->Bof());
    EXPECT_EQ(query->RecNo(), 1);
    query->Prior();
    EXPECT_TRUE(query->Bof());
    EXPECT_EQ(CurrentId(), id);
}

TEST_P(CategoryQuery, ManyRecordsWalkForwardAndBack)
{
    std::vector<qint64> ids;
    for (int i = 0; i < 5; ++i) {
        ids.push_back(catalogue.Add({0, QByteArray(1, char('a' + i))}));
        catalogue.Add({10, QByteArray("t")});
    }
    OpenCategory(0);
    ASSERT_EQ(query->RecordCount(), 5);
    std::vector<qint64> seen;
    for (query->First(); !query->Eof(); query->Next())
        seen.push_back(CurrentId());
    EXPECT_EQ(seen, ids);
    EXPECT_EQ(query->RecNo(), 5);

    seen.clear();
    for (query->Last(); !query->Bof(); query->Prior())
        seen.push_back(CurrentId());
    EXPECT_EQ(seen, std::vector<qint64>(ids.rbegin(), ids.rend()));
    EXPECT_EQ(query->RecNo(), 1);
}

TEST_P(CategoryQuery, MoveByStopsAtTheEndsAndSaysHowFar)
{
    catalogue.AddPictures(5, 0, 4);
    OpenCategory(0);
    EXPECT_EQ(query->MoveBy(3), 3);
    EXPECT_EQ(query->RecNo(), 4);
    EXPECT_FALSE(query->Eof());
    EXPECT_EQ(query->MoveBy(10), 1);
    EXPECT_EQ(query->RecNo(), 5);
    EXPECT_TRUE(query->Eof());
    EXPECT_EQ(query->MoveBy(1), 0);
    EXPECT_EQ(query->MoveBy(-2), -2);
    EXPECT_FALSE(query->Eof());
    EXPECT_EQ(query->MoveBy(-10), -2);
    EXPECT_TRUE(query->Bof());
    EXPECT_EQ(query->RecNo(), 1);
    query->SetRecNo(4);
    EXPECT_EQ(query->RecNo(), 4);
    EXPECT_FALSE(query->Bof());
    EXPECT_FALSE(query->Eof());
}

TEST_P(CategoryQuery, ReplacingTheFilterLineClosesAndTheNextOpenShowsTheNewCategory)
{
    catalogue.AddPictures(3, 0, 4);
    catalogue.AddPictures(2, 10, 4);
    OpenCategory(0);
    EXPECT_EQ(query->RecordCount(), 3);
    query->SetSQLLine(1, QStringLiteral("where parent=10"));
    EXPECT_FALSE(query->Active());
    query->Open();
    EXPECT_EQ(query->RecordCount(), 2);
    query->SetSQL({QStringLiteral("Select * From picture")});
    EXPECT_FALSE(query->Active());
}

TEST_P(CategoryQuery, FieldsFollowTheColumnsWithTheirKinds)
{
    catalogue.Add({0, QByteArray("i")});
    OpenCategory(0);
    ASSERT_EQ(query->FieldCount(), 3);
    // A server folds the unquoted name to lower case.
    EXPECT_EQ(query->Fields()[0]->FieldName().toUpper(), QStringLiteral("ID"));
    EXPECT_EQ(query->Fields()[0]->DataType(), TFieldType::ftAutoInc);
    EXPECT_TRUE(query->Fields()[0]->ReadOnly());
    EXPECT_EQ(query->Fields()[1]->DataType(), TFieldType::ftInteger);
    EXPECT_NE(dynamic_cast<TIntegerField*>(query->Fields()[1]), nullptr);
    EXPECT_EQ(query->Fields()[2]->DataType(), TFieldType::ftBlob);
    EXPECT_TRUE(query->Fields()[2]->IsBlob());
    EXPECT_EQ(query->FindField(QStringLiteral("PARENT")), query->Fields()[1]);
    EXPECT_EQ(query->FieldByName(QStringLiteral("parent"))->AsInteger(), 0);
    EXPECT_THROW(query->Fields()[3], EListError);
    try {
        query->FieldByName(QStringLiteral("name"));
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("ADOQuery1: Field 'name' not found"));
    }
    query->Close();
    EXPECT_EQ(query->FieldCount(), 0);
}

TEST_P(CategoryQuery, AClosedQueryHasNoRecordCount)
{
    try {
        (void)query->RecordCount();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("ADOQuery1: Cannot perform this operation on a closed dataset"));
    }
    EXPECT_THROW(query->Next(), EDatabaseError);
}

TEST_P(CategoryQuery, MaxRecordsLimitsTheFetch)
{
    catalogue.AddPictures(5, 0, 4);
    query->SetMaxRecords(2);
    OpenCategory(0);
    EXPECT_EQ(query->RecordCount(), 2);
}

TEST_P(CategoryQuery, OnlyOneStatementThatReadsIsAccepted)
{
    catalogue.AddPictures(1, 0, 4);
    query->SetSQL(
        {QStringLiteral("Select * From picture;"), QStringLiteral("Delete From picture")});
    EXPECT_THROW(query->Open(), EDatabaseError);
    query->SetSQL({QStringLiteral("Delete From picture returning *")});
    EXPECT_THROW(query->Open(), EDatabaseError);
    query->SetSQL({QStringLiteral("Update picture set parent=1")});
    EXPECT_THROW(query->Open(), EDatabaseError);
    query->SetSQL({QStringLiteral("-- nothing")});
    EXPECT_THROW(query->Open(), EDatabaseError);
    query->SetSQL({QStringLiteral("Select count(*) From picture; -- the count")});
    query->Open();
    EXPECT_EQ(query->Fields()[0]->AsInteger(), 1);
}

TEST_P(CategoryQuery, AQueryWithoutConnectionSaysSo)
{
    query->SetConnection(nullptr);
    try {
        query->Open();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("ADOQuery1: Missing Connection or ConnectionString"));
    }
}

TEST_P(CategoryQuery, TextAndRealColumnsAndDuplicateNames)
{
    ASSERT_TRUE(catalogue.Exec("CREATE TABLE info(name TEXT, size REAL, extra INTEGER)"));
    ASSERT_TRUE(catalogue.Exec("INSERT INTO info VALUES('图标', 2.5, 7)"));
    query->SetSQL({QStringLiteral("Select name, size, extra, name From info")});
    query->Open();
    EXPECT_EQ(query->Fields()[0]->DataType(), TFieldType::ftString);
    EXPECT_EQ(query->Fields()[0]->AsString(), QStringLiteral("图标"));
    EXPECT_EQ(query->Fields()[1]->DataType(), TFieldType::ftFloat);
    EXPECT_DOUBLE_EQ(query->Fields()[1]->AsFloat(), 2.5);
    EXPECT_EQ(query->Fields()[2]->AsInteger(), 7);
    EXPECT_EQ(query->Fields()[3]->FieldName(), QStringLiteral("name_1"));
    EXPECT_THROW(query->Fields()[0]->AsInteger(), EDatabaseError);
}

INSTANTIATE_TEST_SUITE_P(Stores, CategoryQuery, EveryStore(), StoreName);
