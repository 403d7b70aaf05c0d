#pragma once

#include <QString>

// What the text of a query says about how its rows may be read, told from its tokens
// (names, literals, comments and dollar quoting as PostgreSQL reads them), without the
// server. Over-cautious by design: a statement it does not recognise is only read the
// slower way, never with another meaning.
//
// "Single relation": one SELECT whose FROM names exactly one table (schema and alias
// allowed; no join, no comma, no subquery there; no UNION, INTERSECT or EXCEPT), so that
// each row of the result comes from one row of that table, which its primary key names.
// "Keeps its rows when wrapped": besides, nothing orders, groups, numbers or limits the
// rows (no ORDER, GROUP, HAVING, WINDOW, LIMIT, OFFSET, FETCH, FOR, DISTINCT), so that
// SELECT ... FROM (text) with a condition on the key and an order of its own returns the
// same rows, any part of them, every time.
class TPgStatementShape {
public:
    explicit TPgStatementShape(const QString& sql);

    bool SingleRelation() const { return m_singleRelation; }
    bool KeepsRowsWhenWrapped() const { return m_keepsRows; }
    // The text without trailing semicolons and blanks, to stand inside another SELECT.
    const QString& Body() const { return m_body; }

private:
    bool m_singleRelation = false;
    bool m_keepsRows = false;
    QString m_body;
};
