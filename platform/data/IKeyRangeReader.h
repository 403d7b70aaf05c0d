#pragma once

#include <QVariant>
#include <functional>
#include <vector>

// Reads the rows of a query walked by key by their keys: how a store fills a record
// window (TRecordWindow).
class IKeyRangeReader {
public:
    // value(column) gives a result column's value of the row being visited.
    using TVisit =
        std::function<void(qint64 key, const std::function<QVariant(int column)>& value)>;

    // Calls visit for each row whose key lies between firstKey and lastKey, in rising key
    // order; errors of the store pass on.
    virtual void ReadRange(qint64 firstKey, qint64 lastKey, const TVisit& visit) = 0;
    // Calls visit for each row whose key is one of keys, in any order: records scattered
    // among other rows, read together. Errors of the store pass on.
    virtual void ReadKeys(const std::vector<qint64>& keys, const TVisit& visit) = 0;

protected:
    ~IKeyRangeReader() = default;
};
