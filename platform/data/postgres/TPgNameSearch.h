#pragma once

#include "TNameSearch.h"
#include "TPgTableInfo.h"

#include <memory>

class TPgConnection;

// A name search on a catalogue on a PostgreSQL server: a picture is found when its name or
// file name holds the text as ILIKE compares them (case folded by the database's locale).
// The catalogue's trigram index (TPgNameIndex) serves texts of three characters or more
// where it is there; otherwise the server reads every row. The keys found are the table's
// primary key, by which the gallery's queries walk it.
//
// While a search waits for the server it asks whether it was abandoned, and has the server
// cancel the statement when it was.
class TPgNameSearch : public TNameSearch {
public:
    // Searches the catalogue on connection's server, which it keeps for as long as it lives.
    explicit TPgNameSearch(std::unique_ptr<TPgConnection> connection);
    ~TPgNameSearch() override;

    bool HasNames() const override;
    bool Scans(const QString& text) override;
    std::vector<qint64> Find(const QString& text, const TAbandoned& abandoned) override;

    // What selects the pictures found in table: a condition on $1, and the value of $1 for
    // text (which must fit, TPgNameIndex::TextFits).
    static QString Condition(const TPgTableInfo& table);
    static QString Pattern(const QString& text);

private:
    std::unique_ptr<TPgConnection> m_connection;
    TPgTableInfo m_table;
    bool m_indexed = false;
};
