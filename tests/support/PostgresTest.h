#pragma once

#include "StoreSkip.h"
#include "TPrivatePostgres.h"

// A test that needs a PostgreSQL server (the test run's private one, TPrivatePostgres):
// where none can run here it skips, saying why.
class PostgresTest : public ::testing::Test {
protected:
    void SetUp() override { SKIP_UNLESS_REACHABLE(TTestStore::PostgreSQL()); }
};
