#pragma once

#include "TPrivatePostgres.h"

#include <gtest/gtest.h>

// A test that needs a PostgreSQL server (the test run's private one, TPrivatePostgres):
// where none can run here it skips, saying why.
class PostgresTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString reason = TPrivatePostgres::Shared().Unavailable(); !reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
    }
};
