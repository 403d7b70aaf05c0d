#pragma once

#include <QVariant>
#include <functional>

// Reads the rows of a query walked by key whose keys lie in a range, in rising key
// order: how a store fills a record window (TRecordWindow).
class IKeyRangeReader {
public:
    // value(column) gives a result column's value of the row being visited.
    using TVisit =
        std::function<void(qint64 key, const std::function<QVariant(int column)>& value)>;

    // Calls visit for each row whose key lies between firstKey and lastKey; errors of the
    // store pass on.
    virtual void ReadRange(qint64 firstKey, qint64 lastKey, const TVisit& visit) = 0;

protected:
    ~IKeyRangeReader() = default;
};
