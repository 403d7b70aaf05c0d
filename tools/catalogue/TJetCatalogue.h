#pragma once

#include "TCatalogue.h"

#include <QString>
#include <functional>
#include <optional>

// An Access (Jet) catalogue as the tool reads it: straight from the file, through the
// reader program (TJetReader), never written. Its pictures' IDs are the values of its
// column ID, or their row numbers in reading order where the table has none; names come
// from its columns name and file where it has them.
//
// A damaged file is read as far as it can be: what was read is listed, and the result
// says that the rest could not be.
class TJetCatalogue {
public:
    explicit TJetCatalogue(const QString& path);

    const QString& Path() const { return m_path; }

    // Calls visit for each row of the category (all rows when parent is empty), in
    // reading order, with its picture's stored length; returns the problem that stopped
    // the reading early, or an empty text.
    QString List(std::optional<qint64> parent,
                 const std::function<void(const TCatalogue::TEntry&)>& visit) const;
    // Calls visit for each row in a category whose name or file name holds text, without
    // regard to case, by category and then by ID; returns the problem as List does.
    QString Find(const QString& text,
                 const std::function<void(const TCatalogue::TEntry&)>& visit) const;
    // Writes the stored bytes of picture id to file unchanged (an OLE object as Access
    // stored it); raises when it is not among the rows read or holds none.
    void Export(qint64 id, const QString& file) const;

private:
    QString m_path;
};
