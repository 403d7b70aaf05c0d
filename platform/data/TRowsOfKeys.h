#pragma once

#include <QtGlobal>
#include <utility>
#include <vector>

// Records asked for by their keys, found again by key as the rows come back in whatever
// order the store returns them (a key may be given for several records).
class TRowsOfKeys {
public:
    // Adds record row, whose key is key.
    void Add(qint64 key, int row);
    bool Empty() const { return m_rows.empty(); }
    // The keys to ask for.
    std::vector<qint64> Keys() const;
    // Calls each(row) for every record of key.
    template <class F> void ForEachRow(qint64 key, F&& each) const
    {
        for (auto at = Find(key); at != m_rows.end() && at->first == key; ++at)
            each(at->second);
    }

private:
    std::vector<std::pair<qint64, int>>::const_iterator Find(qint64 key) const;

    std::vector<std::pair<qint64, int>> m_rows; // by key, then row
};
