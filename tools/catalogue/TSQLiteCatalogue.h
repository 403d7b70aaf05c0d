#pragma once

#include "TCatalogueBackend.h"
#include "TSQLiteStatement.h"

#include <memory>

class TSQLiteDatabase;

// A picture catalogue in an SQLite file (see TCatalogue). Catalogues made here keep the
// picture as the table's last column: the gallery reads it lazily by row id, and SQLite
// reaches the columns stored after a large blob only by walking its overflow pages.
class TSQLiteCatalogue : public TCatalogueBackend {
public:
    // Makes the file and its table; an existing file is never touched, a file that was
    // half made is removed again.
    static void Create(const QString& path);

    explicit TSQLiteCatalogue(const QString& path);
    ~TSQLiteCatalogue() override;

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
    // The statement that reads entries; condition selects the rows.
    TSQLiteStatement EntryStatement(const QString& condition, const QString& action);
    static TCatalogue::TEntry ReadEntry(const TSQLiteStatement& row);
    // The name column, or NULL where the table has none, as a result column.
    QString NameColumn(const QString& column) const;
    bool HasColumn(const QString& column) const;

    std::unique_ptr<TSQLiteDatabase> m_database;
    TSQLiteStatement m_insert;
    QString m_key; // the row id, quoted for SQL
};
