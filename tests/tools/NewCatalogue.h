#pragma once

#include "StoreSkip.h"
#include "TPgTestCatalogue.h"
#include "TTestStore.h"

#include <QTemporaryDir>
#include <memory>

// Where a test makes a new catalogue of a store with the catalogue library or tool: a file
// that is not there yet, or an empty database of its own on the test run's server.
class TNewCatalogue {
public:
    explicit TNewCatalogue(const TTestStore& store)
    {
        if (&store == &TTestStore::SQLite())
            m_location = m_folder.filePath(QStringLiteral("new.mdb"));
        else
            m_database = std::make_unique<TPgTestCatalogue>(TPictureTable::None);
        if (m_database)
            m_location = m_database->Location();
    }

    const QString& Location() const { return m_location; }
    // On a server: the database, as another program sees it.
    TPgTestCatalogue* Database() const { return m_database.get(); }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<TPgTestCatalogue> m_database;
    QString m_location;
};

// A test of the catalogue tool on a new catalogue of each store, not made yet: a suite
// derives from it and is instantiated with INSTANTIATE_TEST_SUITE_P(Stores, Suite,
// EveryStore(), StoreName).
class NewCatalogueTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        if (IsSkipped())
            return;
        made = std::make_unique<TNewCatalogue>(*GetParam());
        location = made->Location();
    }

    std::unique_ptr<TNewCatalogue> made;
    QString location;
};
