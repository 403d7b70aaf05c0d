#pragma once

#include <QString>
#include <functional>
#include <vector>

// Finds the pictures of one catalogue by a part of their names: those whose name or file
// name holds the text, without regard to case ("copy" finds "edit-copy" and "Copy.png"),
// in the order the gallery shows them: by category, then as the category query orders
// them (by key). Only pictures in a category are found (see TSQLiteNameIndex).
//
// Each store has its own: the catalogue's index serves texts that it can serve, and the
// table is read row by row otherwise. A search has a connection of its own to the store,
// so that it can run on another thread than the one that made it, one call at a time.
class TNameSearch {
public:
    // Asked now and then while a search runs: true ends it early.
    using TAbandoned = std::function<bool()>;

    virtual ~TNameSearch() = default;

    // False for a catalogue that keeps no names (its table has neither name nor file).
    virtual bool HasNames() const = 0;
    // True when searching text reads every row of the table rather than an index (no
    // index, or a text too short for it).
    virtual bool Scans(const QString& text) = 0;
    // The keys of the pictures found, best first as above; none for an empty text. Raises
    // EAbort when abandoned() said so, EDatabaseError naming the catalogue on failure.
    virtual std::vector<qint64> Find(const QString& text, const TAbandoned& abandoned) = 0;
};
