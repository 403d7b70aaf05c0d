#pragma once

#include "TDataStore.h"

#include <memory>

class TSQLiteDatabase;

// A catalogue file kept by SQLite, as the store of a connection.
class TSQLiteStore : public TDataStore {
public:
    explicit TSQLiteStore(std::unique_ptr<TSQLiteDatabase> database);
    ~TSQLiteStore() override;

    TSQLiteDatabase& Database() const { return *m_database; }

    QString Location() const override;
    bool IsReadOnly() const override;
    qint64 BlobBytesRead() const override;
    void SetBusyTimeout(int milliseconds) override;
    std::unique_ptr<TStoreQuery> OpenQuery(const QString& sql,
                                           const TQuerySettings& settings) override;
    std::unique_ptr<TNameSearch> OpenNameSearch() override;

private:
    std::unique_ptr<TSQLiteDatabase> m_database;
};
