#pragma once

#include "TCatalogue.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// How one store keeps a picture catalogue for TCatalogue: an SQLite file
// (TSQLiteCatalogue) or a PostgreSQL server (TPgCatalogue). The operations mean what
// TCatalogue's say.
class TCatalogueBackend {
public:
    // How long a command waits for the gallery or another program to release a lock.
    static constexpr int BusyTimeoutMs = 5000;

    virtual ~TCatalogueBackend() = default;

    // The file, or the server's URI without any password.
    virtual QString Location() const = 0;
    const QStringList& MissingNameColumns() const { return m_missingNameColumns; }
    virtual void InTransaction(const std::function<void()>& work) = 0;
    virtual qint64 Add(const TCatalogue::TPicture& picture) = 0;
    virtual void List(std::optional<qint64> parent,
                      const std::function<void(const TCatalogue::TEntry&)>& visit) = 0;
    // Called only when the table has a name column.
    virtual void Find(const QString& text,
                      const std::function<void(const TCatalogue::TEntry&)>& visit) = 0;
    // The stored value of picture id; a null array for NULL. Raises for no such row.
    virtual QByteArray PictureData(qint64 id) = 0;
    virtual void Remove(const std::vector<qint64>& ids) = 0;
    virtual bool AddParentIndex() = 0;
    // Called only when the table has a name column.
    virtual bool AddNameIndex() = 0;

protected:
    [[noreturn]] void FailNoPicture(qint64 id) const;
    // Raises EDatabaseError naming the first column that every command needs (parent,
    // Mirelvane) and the table lacks, as has says; keeps the name columns it lacks.
    void CheckColumns(const std::function<bool(const QString&)>& has);

private:
    QStringList m_missingNameColumns;
};
