#include "PictureDataTest.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDataSource.h"
#include "TFieldDataLink.h"
#include "TSQLiteTestCatalogue.h"

#include <gtest/gtest.h>

namespace {

class FreedComponents : public PictureStoreTest {
protected:
    void SetUp() override
    {
        catalogue.Add({0, QByteArray("a")});
        query->SetSQL({QStringLiteral("Select * From picture")});
        link.SetDataSource(source);
        link.SetFieldName(QStringLiteral("Mirelvane"));
        link.OnActiveChange = [this](TObject*) { ++activeChanges; };
        query->Open();
    }

    TFieldDataLink link; // outlives the window, as a control's link may
    int activeChanges = 0;
};

} // namespace

TEST_P(FreedComponents, FreeingTheConnectionClosesTheQueryAndClearsItsConnection)
{
    ASSERT_TRUE(link.Active());
    delete connection;
    EXPECT_EQ(query->Connection(), nullptr);
    EXPECT_FALSE(query->Active());
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(link.Field(), nullptr);
}

TEST_P(FreedComponents, FreeingTheQueryClearsTheDataSourcesDataSet)
{
    delete query;
    EXPECT_EQ(source->DataSet(), nullptr);
    EXPECT_EQ(source->State(), TDataSetState::dsInactive);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(activeChanges, 2); // opened, then gone
    EXPECT_EQ(connection->DataSetCount(), 0);
}

TEST_P(FreedComponents, FreeingTheDataSourceDetachesItsLinks)
{
    delete source;
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_EQ(link.DataSet(), nullptr);
    EXPECT_FALSE(link.Active());
    // The query lives on without the source.
    query->Next();
    EXPECT_TRUE(query->Active());
}

TEST_P(FreedComponents, FreeingTheLinkDetachesItFromTheSource)
{
    {
        TFieldDataLink shortLived;
        shortLived.SetDataSource(source);
        EXPECT_TRUE(shortLived.Active());
    }
    query->Next(); // would reach the freed link if it were still attached
    EXPECT_TRUE(link.Active());
}

TEST_P(FreedComponents, FreeingTheWholeFormInAnyOrderIsSafe)
{
    // The connection was created first and so is freed last; the data source, created
    // last, goes first. Each goes with its references intact or cleared, never dangling.
    host->DestroyComponents();
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_FALSE(link.Active());
}

INSTANTIATE_TEST_SUITE_P(Stores, FreedComponents, EveryStore(), StoreName);

TEST(DataFreeNotification, ConnectionFreedBeforeItsQueryInAForm)
{
    TSQLiteTestCatalogue catalogue;
    TComponent form(nullptr);
    auto* query = new TADOQuery(&form);
    auto* connection = new TADOConnection(&form); // newer: freed first by the form
    connection->SetConnectionString(catalogue.ConnectionString());
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("Select * From picture")});
    query->Open();
    delete connection;
    EXPECT_EQ(query->Connection(), nullptr);
    EXPECT_FALSE(query->Active());
}
