#pragma once

#include "TCatalogueBackend.h"
#include "TPgTableInfo.h"

#include <memory>

class TPgConnection;

// A picture catalogue in a database on a PostgreSQL server (see TCatalogue), named by a
// connection URI; its table picture is the one the database's search path finds. Rows are
// addressed by the table's integer primary key; column names are matched as the gallery's
// statements match them, without regard to case. A command waits up to BusyTimeoutMs
// for a lock that another program holds.
class TPgCatalogue : public TCatalogueBackend {
public:
    // Makes the table and its indexes in the database, which must not hold a table
    // picture; returns why the index of names could not be made, or an empty text.
    static QString Create(const QString& uri);
    // Removes the table that Create made.
    static void DiscardNew(const QString& uri);

    explicit TPgCatalogue(const QString& uri);
    ~TPgCatalogue() override;

    QString Location() const override;
    void InTransaction(const std::function<void()>& work) override;
    qint64 Add(const TCatalogue::TPicture& picture) override;
    void List(std::optional<qint64> parent,
              const std::function<void(const TCatalogue::TEntry&)>& visit) override;
    void Find(const QString& text,
              const std::function<void(const TCatalogue::TEntry&)>& visit) override;
    QByteArray PictureData(qint64 id) override;
    void Remove(const std::vector<qint64>& ids) override;
    bool AddParentIndex() override;
    bool AddNameIndex() override;

private:
    void CheckTable();
    // Calls visit for the rows that condition (with its ORDER BY) selects.
    void VisitEntries(const QString& condition, const QVariantList& parameters,
                      const QString& action,
                      const std::function<void(const TCatalogue::TEntry&)>& visit);
    // A column as SQL names it, or NULL where the table has none.
    QString Column(const QString& name) const;

    std::unique_ptr<TPgConnection> m_connection;
    TPgTableInfo m_table;
    QString m_key;
};
