#pragma once

#include "TTestStore.h"

#include <gtest/gtest.h>

// Skips the running test, saying why, where store cannot be reached here (its server is
// not installed).
#define SKIP_UNLESS_REACHABLE(store)                                                               \
    if (const QString unreachable = (store).Unavailable(); !unreachable.isEmpty())                 \
    GTEST_SKIP() << unreachable.toStdString()

// A suite over every store, instantiated with INSTANTIATE_TEST_SUITE_P(Stores, Suite,
// EveryStore(), StoreName): each test skips on a store that cannot be reached here.
class StoreTest : public ::testing::TestWithParam<const TTestStore*> {
protected:
    void SetUp() override { SKIP_UNLESS_REACHABLE(*GetParam()); }
};
