#pragma once

#include "StoreSkip.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDataSource.h"
#include "TPanel.h"
#include "TTestQuery.h"
#include "TTestStore.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

class TDBCtrlGrid;

// The catalogue and the window a data test stands on: a base of PictureDataTest, so that
// both are made before the data set-up that they own and hold.
class TPictureDataGround {
protected:
    // Where the store cannot be reached here, a file stands in for its catalogue, so
    // that the fixture is whole until the test skips (see PictureStoreTest).
    TPictureDataGround(const TTestStore& store, TPictureTable table);

    std::unique_ptr<TTestCatalogue> m_catalogue;
    TTestCatalogue& catalogue;
    // A 300 x 200 window that owns the data set-up and takes the controls of a test.
    std::unique_ptr<TPanel> host;
};

// A test over a new catalogue of the store given, with the main window's data set-up
// over it (connection, query, data source; see TTestQuery). The window and everything on
// it are freed in TearDown, before the members of a derived fixture.
class PictureDataTest : public ::testing::Test, protected TPictureDataGround, protected TTestQuery {
protected:
    explicit PictureDataTest(const TTestStore& store = TTestStore::SQLite(),
                             TPictureTable table = TPictureTable::Keyed);
    void TearDown() override { host.reset(); }

    // A control grid of 2 x 2 cells of that size on the window, without data source yet:
    // the controls of its panel take the grid's source when it is set.
    TDBCtrlGrid* NewGrid(int cellWidth, int cellHeight) const;
};

// The same on each store: a suite derives from it, writes TEST_P, and is instantiated
// with INSTANTIATE_TEST_SUITE_P(Stores, Suite, EveryStore(), StoreName).
// A store that cannot be reached here (its server is not installed) skips, saying why.
class PictureStoreTest : public PictureDataTest,
                         public ::testing::WithParamInterface<const TTestStore*> {
protected:
    explicit PictureStoreTest(TPictureTable table = TPictureTable::Keyed)
        : PictureDataTest(*GetParam(), table)
    {}
    void SetUp() override { SKIP_UNLESS_REACHABLE(*GetParam()); }
};

inline auto EveryStore()
{
    return ::testing::ValuesIn(TTestStore::Every());
}

// Names the store where a test's parameter is printed.
inline void PrintTo(const TTestStore* store, std::ostream* out)
{
    *out << store->Name().toStdString();
}

inline std::string StoreName(const ::testing::TestParamInfo<const TTestStore*>& info)
{
    return info.param->Name().toStdString();
}
