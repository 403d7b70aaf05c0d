#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDataSource.h"
#include "TFieldDataLink.h"
#include "TestPictureDatabase.h"

#include <gtest/gtest.h>

namespace {

class FreedComponents : public ::testing::Test {
protected:
    void SetUp() override
    {
        database.AddPicture(0, QByteArray("a"));
        connection = new TADOConnection(&form);
        connection->SetConnectionString(database.ConnectionString());
        query = new TADOQuery(&form);
        query->SetConnection(connection);
        query->SetSQL({QStringLiteral("Select * From picture")});
        source = new TDataSource(&form);
        source->SetDataSet(query);
        link.SetDataSource(source);
        link.SetFieldName(QStringLiteral("Mirelvane"));
        link.OnActiveChange = [this](TObject*) { ++activeChanges; };
        query->Open();
    }

    TTestPictureDatabase database;
    TFieldDataLink link; // outlives the form, as a control's link may
    TComponent form{nullptr};
    TADOConnection* connection = nullptr;
    TADOQuery* query = nullptr;
    TDataSource* source = nullptr;
    int activeChanges = 0;
};

} // namespace

TEST_F(FreedComponents, FreeingTheConnectionClosesTheQueryAndClearsItsConnection)
{
    ASSERT_TRUE(link.Active());
    delete connection;
    EXPECT_EQ(query->Connection(), nullptr);
    EXPECT_FALSE(query->Active());
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(link.Field(), nullptr);
}

TEST_F(FreedComponents, FreeingTheQueryClearsTheDataSourcesDataSet)
{
    delete query;
    EXPECT_EQ(source->DataSet(), nullptr);
    EXPECT_EQ(source->State(), TDataSetState::dsInactive);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(activeChanges, 2); // opened, then gone
    EXPECT_EQ(connection->DataSetCount(), 0);
}

TEST_F(FreedComponents, FreeingTheDataSourceDetachesItsLinks)
{
    delete source;
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_EQ(link.DataSet(), nullptr);
    EXPECT_FALSE(link.Active());
    // The query lives on without the source.
    query->Next();
    EXPECT_TRUE(query->Active());
}

TEST_F(FreedComponents, FreeingTheLinkDetachesItFromTheSource)
{
    {
        TFieldDataLink shortLived;
        shortLived.SetDataSource(source);
        EXPECT_TRUE(shortLived.Active());
    }
    query->Next(); // would reach the freed link if it were still attached
    EXPECT_TRUE(link.Active());
}

TEST_F(FreedComponents, FreeingTheWholeFormInAnyOrderIsSafe)
{
    // The connection was created first and so is freed last; the data source, created
    // last, goes first. Each goes with its references intact or cleared, never dangling.
    form.DestroyComponents();
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_FALSE(link.Active());
}

TEST(DataFreeNotification, ConnectionFreedBeforeItsQueryInAForm)
{
    TTestPictureDatabase database;
    TComponent form(nullptr);
    auto* query = new TADOQuery(&form);
    auto* connection = new TADOConnection(&form); // newer: freed first by the form
    connection->SetConnectionString(database.ConnectionString());
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("Select * From picture")});
    query->Open();
    delete connection;
    EXPECT_EQ(query->Connection(), nullptr);
    EXPECT_FALSE(query->Active());
}
