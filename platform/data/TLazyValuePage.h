#pragma once

#include "IKeyRangeReader.h"

#include <QVariant>
#include <functional>
#include <vector>

class TRecordKeys;

// The values of the columns read on demand (the pictures) of the consecutive records
// that a host is about to show, a grid's page, read together by their keys: where each
// read is a round trip to a server, a page costs one. One page is held at a time, so
// memory follows what is shown. A record whose row another program removed meanwhile is
// marked gone and holds no value.
class TLazyValuePage {
public:
    // Reads the rows of keys as IKeyRangeReader::ReadKeys does, value(column) giving the
    // values of the lazy columns.
    using TRead =
        std::function<void(const std::vector<qint64>& keys, const IKeyRangeReader::TVisit& visit)>;

    // lazy: for each result column, whether its values are read on demand.
    explicit TLazyValuePage(const std::vector<bool>& lazy);

    // Holds the records first to first + count - 1, whose keys are in keys: those not
    // read yet are read with one call of read, the records held before outside them are
    // let go. Errors of the read pass on; what it visited before is held.
    void Hold(const TRecordKeys& keys, int first, int count, const TRead& read);
    // The held value of a lazy column of record row, or nullptr when none is held.
    const QVariant* Value(int row, int column) const;
    // Was record row read and its row not found?
    bool Gone(int row) const;
    // Replaces the held value of a lazy column of record row (a posted picture).
    void Store(int row, int column, const QVariant& value);
    void Clear() { MoveTo(0, 0); }

private:
    enum class TState : char { Unread, Read, Gone };

    // Holds the records first to first + count - 1 from now on, keeping what is held of them.
    void MoveTo(int first, int count);
    bool Holds(int row) const { return row >= m_first && row < m_first + Count(); }
    int Count() const { return int(m_states.size()); }
    std::size_t Index(int row, int column) const;

    std::vector<int> m_slots; // slot of each column, -1 for one not read on demand
    int m_slotCount = 0;
    int m_first = 0;
    std::vector<TState> m_states;
    std::vector<QVariant> m_values;
};
