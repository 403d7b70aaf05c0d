#pragma once

#include "TSQLiteStatement.h"

#include <QVariant>
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
    qint64 RowIdOf(const TJetRow& row);
    void Write(TSQLiteStatement& insert, int rows);

    TSQLiteDatabase& m_copy;
    TSQLiteStatement m_fullInsert;
    std::vector<QVariant> m_values; // of the rows not written yet, a column after another
    qint64 m_pictureBytes = 0;      // of the rows not written yet
    std::unordered_set<qint64> m_rowIds;
    qint64 m_highestRowId = 0;
};
