#pragma once

#include "TPgTableInfo.h"

#include <QHash>
#include <QString>
#include <utility>
#include <vector>

class TPgConnection;

// What the server's catalog says about the tables that a connection's queries read
// (TPgTableInfo), asked once for each table: a category opened again asks the catalog
// nothing. A table is asked for again when a statement shows one of its columns under
// another name or number than the entry has (a column added or renamed since); a table
// made anew has a new identifier, and a table renamed is no longer found by the statement
// that named it. A primary key changed while the gallery runs is seen once the
// connection's store is opened again.
class TPgTableInfoCache {
public:
    // A column that a statement shows: its number in the table and the name it shows.
    using TShownColumn = std::pair<int, QString>;

    // The table with that identifier; shown: its columns that the statement shows.
    TPgTableInfo Find(TPgConnection& connection, unsigned table,
                      const std::vector<TShownColumn>& shown, const QString& action);

private:
    QHash<unsigned, TPgTableInfo> m_tables;
};
