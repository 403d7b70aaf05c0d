#pragma once

#include "TTestCatalogue.h"

#include <memory>

class TPgTestConnection;
class TPrivatePostgres;

// A test catalogue in a database of its own on a private PostgreSQL server (the test
// run's unless another is given), reached through the server's socket, with a connection
// of its own that plays another program on the team. The database is dropped with the
// object. Its table as the layouts say: ID is a bigint identity primary key (named id,
// since the server folds unquoted names), parent an integer, Mirelvane bytea, and name and
// file text where the layout has names. A table
// without ID has no key of rows: Add returns 0 for it. A failure to make or fill it raises
// std::runtime_error with the server's message.
class TPgTestCatalogue : public TTestCatalogue {
public:
    explicit TPgTestCatalogue(TPictureTable table = TPictureTable::Keyed);
    // With a layout of the test's own: schema is run in the new, empty database.
    explicit TPgTestCatalogue(const QString& schema);
    TPgTestCatalogue(TPrivatePostgres& server, const QString& schema);
    ~TPgTestCatalogue() override;

    QString Location() const override { return m_uri; }
    QString ConnectionString() const override;
    const QString& Database() const { return m_database; }
    TPrivatePostgres& Server() const { return m_server; }
    // The connection that plays another program.
    TPgTestConnection& Connection() const { return *m_connection; }

    qint64 Add(const TPictureRow& row) override;
    void AddMany(int count, const std::function<TPictureRow(int)>& rowAt) override;
    QVariant StoredPicture(qint64 id) const override;
    void SetPicture(qint64 id, const QVariant& picture) override;
    qint64 CountOf(qint64 parent) const override;
    bool Exec(const QString& sql) override;

    // The table of each layout, in the server's words.
    static QString SchemaOf(TPictureTable table);

private:
    bool HasKey() const;
    // Inserts a row: its values are ValuesOf(row), names only where the table has them.
    QString InsertSql() const;
    QVariantList ValuesOf(const TPictureRow& row) const;

    TPrivatePostgres& m_server;
    QString m_database;
    QString m_uri;
    std::unique_ptr<TPgTestConnection> m_connection;
    bool m_named = false;
};
