#pragma once

#include "TTestCatalogue.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// A store the gallery keeps catalogues in, as tests make catalogues on it. A suite that
// should hold on every store takes the store as its parameter and is instantiated with
// Every(); each of its tests is then named after the store.
class TTestStore {
public:
    using TMaker = std::function<std::unique_ptr<TTestCatalogue>(TPictureTable)>;
    using TReason = std::function<QString()>;

    // unavailable says why the store cannot be reached here, or nothing when it can.
    TTestStore(QString name, TMaker maker, TReason unavailable = {});

    // One word, usable in a test's name ("SQLite").
    const QString& Name() const { return m_name; }
    // A new, empty catalogue of its own on this store.
    std::unique_ptr<TTestCatalogue> NewCatalogue(TPictureTable table = TPictureTable::Keyed) const;
    // Why no catalogue can be made on this store here (its server is not installed), or
    // an empty text; tests on it skip with this reason.
    QString Unavailable() const;

    // Catalogue files as the gallery makes them.
    static const TTestStore& SQLite();
    // Databases on the test run's private PostgreSQL server (TPrivatePostgres).
    static const TTestStore& PostgreSQL();
    // Every store the tests can reach.
    static const std::vector<const TTestStore*>& Every();

private:
    QString m_name;
    TMaker m_maker;
    TReason m_unavailable;
};
