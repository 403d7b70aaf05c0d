#pragma once

#include "IKeyRangeReader.h"
#include "TField.h"
#include "TQueryRecords.h"

#include <QString>
#include <map>
#include <vector>

class TStream;

// The records of one query statement opened on a store (TDataStore), as TADOQuery shows
// them: the result's columns with their field types, the records and their values, blobs
// read only when asked for where the store can, and changed values written back to their
// rows. A store derives from it and reads what the records do not hold.
class TStoreQuery : protected IKeyRangeReader {
public:
    struct TColumn {
        QString name;
        TFieldType type = TFieldType::ftUnknown;
    };

    virtual ~TStoreQuery() = default;
    TStoreQuery(const TStoreQuery&) = delete;
    TStoreQuery& operator=(const TStoreQuery&) = delete;

    const std::vector<TColumn>& Columns() const { return m_columns; }
    int RecordCount() const { return m_records.Count(); }
    // The value of column in record row (0-based); a blob read on demand is read for it.
    QVariant Value(int row, int column);
    // Writes the blob of column in record row to out (when not null) and returns its size
    // in bytes; -1 for NULL. Text or a number in a blob column is read as its bytes.
    qint64 ReadBlob(int row, int column, TStream* out);
    // A host is about to show records first to first + count - 1 (a grid's page): a store
    // where each read is a round trip to a server reads their blobs together now, and
    // reading them then costs nothing; a store that reads a blob cheaply (a file) reads
    // each when it is asked for. Errors of the store pass on.
    virtual void PrefetchRecords(int first, int count);
    // Can a new value of column be written back to its row?
    virtual bool CanModify(int column) const = 0;
    // Writes the changed values of record row (by column; an invalid QVariant is NULL)
    // back to the store, all or none, and then holds them.
    virtual void Post(int row, const std::map<int, QVariant>& changes) = 0;

    // How the records are held, for tests and benchmarks: blob columns are read only
    // when asked for; besides, the statements run never even fetched those blobs; the
    // records are walked by key; the records whose values are held now.
    bool BlobsAreLazy() const;
    virtual bool BlobLoadsSkipped() const = 0;
    bool WalksByKey() const { return m_records.WalksByKey(); }
    // For records walked by key: they become the rows with keys, in this order (at most
    // maxRecords of them; 0 for all), without running the statement again, and the first
    // ones are held. Errors of the store pass on.
    void ReplaceKeys(const std::vector<qint64>& keys, int maxRecords);
    int RecordsHeld() const { return m_records.Held(); }

protected:
    TStoreQuery() = default;
    // Reads a blob that the records do not hold, as ReadBlob.
    virtual qint64 ReadLazyBlob(int row, int column, TStream* out) = 0;

    std::vector<TColumn> m_columns;
    TQueryRecords m_records;
};
