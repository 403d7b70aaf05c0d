#pragma once

#include "TNameSearch.h"

#include <QStringList>
#include <memory>

class TSQLiteDatabase;

// A name search on an SQLite catalogue. A text of three characters or more is looked up
// in the catalogue's trigram index (TSQLiteNameIndex) when it has one that keys every
// picture; otherwise the table is read row by row and compared with the text, folding
// case as the index does. Either way the keys found are row ids.
class TSQLiteNameSearch : public TNameSearch {
public:
    // Searches database, which it keeps open for as long as it lives.
    explicit TSQLiteNameSearch(std::unique_ptr<TSQLiteDatabase> database);
    // Searches a database that someone else keeps open for longer.
    explicit TSQLiteNameSearch(TSQLiteDatabase& database);
    ~TSQLiteNameSearch() override;

    // A search of the catalogue file at path, on a read-only connection of its own.
    static std::unique_ptr<TSQLiteNameSearch> Open(const QString& path, int busyTimeoutMs);

    bool HasNames() const override { return !m_columns.isEmpty(); }
    bool Scans(const QString& text) override;
    std::vector<qint64> Find(const QString& text, const TAbandoned& abandoned) override;

private:
    void ReadTable();
    std::vector<qint64> LookUp(const QString& text);
    std::vector<qint64> Scan(const QString& text);

    std::unique_ptr<TSQLiteDatabase> m_owned;
    TSQLiteDatabase& m_database;
    QStringList m_columns; // the name columns the table has
    QString m_rowId;       // the row id as the table names it
};
