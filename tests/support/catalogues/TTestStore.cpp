#include "TTestStore.h"

#include "TSQLiteTestCatalogue.h"

TTestStore::TTestStore(QString name, TMaker maker)
    : m_name(std::move(name))
    , m_maker(std::move(maker))
{}

std::unique_ptr<TTestCatalogue> TTestStore::NewCatalogue(TPictureTable table) const
{
    return m_maker(table);
}

const TTestStore& TTestStore::SQLite()
{
    static const TTestStore store(QStringLiteral("SQLite"), [](TPictureTable table) {
        return std::make_unique<TSQLiteTestCatalogue>(table);
    });
    return store;
}

const std::vector<const TTestStore*>& TTestStore::Every()
{
    static const std::vector<const TTestStore*> stores{&SQLite()};
    return stores;
}
