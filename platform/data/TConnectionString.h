#pragma once

#include <QString>
#include <utility>
#include <vector>

// An OLE DB connection string: Name=Value pairs separated by ";". Names are compared
// without regard to case and trimmed; "==" inside a name stands for "=". A value is
// trimmed; a value that starts with a double or single quote runs to the matching quote
// (the quote doubled stands for itself) and may hold ";" and "=". Empty pairs are skipped;
// a later pair of the same name replaces an earlier one.
class TConnectionString {
public:
    // Raises EDatabaseError naming the position and the problem for a pair without "=",
    // an empty name, an unterminated quote or text after a closing quote.
    static TConnectionString Parse(const QString& text);

    bool Contains(const QString& name) const;
    // The value of name, or an empty string.
    QString Value(const QString& name) const;
    const std::vector<std::pair<QString, QString>>& Pairs() const { return m_pairs; }

private:
    void Set(const QString& name, const QString& value);

    std::vector<std::pair<QString, QString>> m_pairs;
};
