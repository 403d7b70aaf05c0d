#include "TTestStore.h"

#include "TPgTestCatalogue.h"
#include "TPrivatePostgres.h"
#include "TSQLiteTestCatalogue.h"

TTestStore::TTestStore(QString name, TMaker maker, TReason unavailable)
    : m_name(std::move(name))
    , m_maker(std::move(maker))
    , m_unavailable(std::move(unavailable))
{}

std::unique_ptr<TTestCatalogue> TTestStore::NewCatalogue(TPictureTable table) const
{
    return m_maker(table);
}

QString TTestStore::Unavailable() const
{
    return m_unavailable ? m_unavailable() : QString();
}

const TTestStore& TTestStore::SQLite()
{
    static const TTestStore store(QStringLiteral("SQLite"), [](TPictureTable table) {
        return std::make_unique<TSQLiteTestCatalogue>(table);
    });
    return store;
}

const TTestStore& TTestStore::PostgreSQL()
{
    static const TTestStore store(
        QStringLiteral("PostgreSQL"),
        [](TPictureTable table) { return std::make_unique<TPgTestCatalogue>(table); },
        [] { return TPrivatePostgres::Shared().Unavailable(); });
    return store;
}

const std::vector<const TTestStore*>& TTestStore::Every()
{
    static const std::vector<const TTestStore*> stores{&SQLite(), &PostgreSQL()};
    return stores;
}
