#pragma once

#include "TLazyValuePage.h"
#include "TRecordKeys.h"
#include "TRecordWindow.h"

#include <QVariant>
#include <memory>
#include <vector>

class IKeyRangeReader;

// The values that a query holds of its records, whichever store they come from. Only the
// kept columns are held (a blob read on demand is not). Either every record's values,
// appended once while the statement runs, or, for a query walked by key, the records'
// keys and the values of at most the cache size of records around the one asked for
// (TRecordWindow); of those, the records about to be shown may hold their blobs read on
// demand too (TLazyValuePage).
class TQueryRecords {
public:
    // kept: for each result column, whether its values are held.
    void SetColumns(const std::vector<bool>& kept);
    bool Kept(int column) const { return m_slots[std::size_t(column)] >= 0; }

    // Every record held: adds the next record; value(column) gives its columns' values.
    void Append(const std::function<QVariant(int column)>& value);
    // Walked by key: the records are those of keys, cacheSize of them held at a time.
    void WalkByKeys(TRecordKeys keys, int cacheSize);
    // Walked by key: the records become those of keys, as many held at a time as before;
    // none is held yet.
    void ReplaceKeys(TRecordKeys keys);
    bool WalksByKey() const { return m_window != nullptr; }
    const TRecordKeys& Keys() const { return m_keys; }

    int Count() const { return WalksByKey() ? m_keys.Count() : m_count; }
    // Records whose values are held now.
    int Held() const { return WalksByKey() ? m_window->Held() : m_count; }

    // Makes the values of record row held, reading them through reader when walked by key.
    void Hold(IKeyRangeReader& reader, int row);
    // The value of a kept column; a record walked by key that is not held is read through
    // reader with the records around it first.
    const QVariant& Value(IKeyRangeReader& reader, int row, int column);
    // Replaces a kept value of a held record, or a lazy one held for the page.
    void Store(int row, int column, const QVariant& value);

    // Walked by key: holds the lazy columns' values of records first to first + count - 1
    // (of them, as many as the window holds), those not held yet read with one call of
    // read (TLazyValuePage); errors pass on.
    void HoldPage(IKeyRangeReader& reader, int first, int count, const TLazyValuePage::TRead& read);
    // The held value of a lazy column of record row, or nullptr when none is held.
    const QVariant* PageValue(int row, int column) const;
    // Was record row of the page read and its row not found?
    bool GoneFromPage(int row) const { return m_page && m_page->Gone(row); }

private:
    // Walked by key: makes records first to first + count - 1 held, as many as fit.
    void HoldRecords(IKeyRangeReader& reader, int first, int count);
    std::size_t Index(int row, int column) const;

    std::vector<int> m_slots; // slot of each column, -1 for one not kept
    int m_slotCount = 0;
    std::vector<QVariant> m_values;
    int m_count = 0;
    TRecordKeys m_keys;
    std::unique_ptr<TRecordWindow> m_window;
    std::unique_ptr<TLazyValuePage> m_page; // always within the window
};
