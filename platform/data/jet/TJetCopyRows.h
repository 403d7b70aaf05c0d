#pragma once

#include "TSQLiteStatement.h"

#include <QVariant>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

class TSQLiteDatabase;
struct TJetRow;

// Writes the rows of an Access catalogue's table picture into the table picture of its
// SQLite copy (TJetCatalogueCache), many rows to a statement: a copy of thousands of rows
// is made in a fraction of the time that a statement a row takes. A row keeps its ID as
// its row id; an ID that a damaged table repeats goes in under a new one, as SQLite would
// give it: one more than the highest so far.
class TJetCopyRows {
public:
    explicit TJetCopyRows(TSQLiteDatabase& copy);

    // Adds row, with picture standing for its picture; returns the row id it goes in under.
    // Raises EDatabaseError when rows cannot be written.
    qint64 Add(const TJetRow& row, const QVariant& picture);
    // Writes the rows added and not written yet; rows left unwritten are lost.
    void Flush();

private:
    // A row added and not written yet.
    struct TPending {
        qint64 rowId = 0;
        std::optional<qint64> parent;
        std::optional<std::string> name; // UTF-8, as the reader sends it
        std::optional<std::string> file;
        QVariant picture;
    };

    qint64 RowIdOf(const TJetRow& row);
    bool Taken(qint64 rowId) const;
    void Write(TSQLiteStatement& insert);

    TSQLiteDatabase& m_copy;
    TSQLiteStatement m_fullInsert;
    std::vector<TPending> m_pending;
    qint64 m_pictureBytes = 0; // of the rows not written yet
    // The row ids given: while they rise, in a list in order (rows come by rising ID as a
    // rule); once one does not, in the hash set.
    std::vector<qint64> m_risingRowIds;
    std::unordered_set<qint64> m_rowIds;
    qint64 m_highestRowId = 0;
};
