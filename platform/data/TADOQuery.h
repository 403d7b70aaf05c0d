#pragma once

#include "TDataSet.h"
#include "TLayoutCodec.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class TADOConnection;
class TStoreQuery;

enum class TCursorLocation { clUseServer, clUseClient };
T_ENUM_NAMES(TCursorLocation, "clUseServer", "clUseClient");
enum class TCursorType { ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic, ctStatic };
T_ENUM_NAMES(TCursorType, "ctUnspecified", "ctOpenForwardOnly", "ctKeyset", "ctDynamic",
             "ctStatic");
enum class TADOLockType {
    ltUnspecified,
    ltReadOnly,
    ltPessimistic,
    ltOptimistic,
    ltBatchOptimistic
};
T_ENUM_NAMES(TADOLockType, "ltUnspecified", "ltReadOnly", "ltPessimistic", "ltOptimistic",
             "ltBatchOptimistic");

// A query over the connection's store: SQL text as a list of lines, sent as the lines
// joined by line breaks. The store (TDataStore: an SQLite file, a PostgreSQL server)
// runs it and serves its records (TStoreQuery): blob columns are read only when a field
// asks for them where the store can tell their rows, and a plain category query is walked
// by key, holding the values of at most CacheSize records around the one asked for, so
// that opening, counting and jumping anywhere cost no more than the records' keys,
// whatever the size of the category. Any other statement is run once and the values of
// its columns are kept for every record. On a server, a page of records named with
// PrefetchRecords has its pictures fetched at once (of at most CacheSize records).
//
// While opening runs, the store calls TBusyPulse::Pulse often, so that a busy indicator
// can stay alive through one long scan of a large table or a slow server.
//
// The records are those found by opening (a static client cursor, whatever CursorType and
// CursorLocation say: they are kept for layouts). Edit/Post writes changed fields back to
// their rows; a field can be modified when the store knows its row, LockType is not
// ltReadOnly and the store can be written.
class TADOQuery : public TDataSet {
    T_CLASS_INFO
public:
    explicit TADOQuery(TComponent* owner);
    ~TADOQuery() override;

    TADOConnection* Connection() const { return m_connection; }
    // Closes the query when the connection changes.
    void SetConnection(TADOConnection* connection);

    const QStringList& SQL() const { return m_sql; }
    // Changing the text closes the query.
    void SetSQL(const QStringList& lines);
    // Replaces one line (0-based); raises EListError "List index out of bounds (n)".
    void SetSQLLine(int index, const QString& line);
    // The statement sent: the lines joined by line breaks.
    QString SQLText() const { return m_sql.join(QLatin1Char('\n')); }

    // Limits the records of a plain SELECT of one table (a query walked by key) to the
    // rows with these keys (row ids in a file, the primary key on a server), in this order:
    // a find's result in the order it was found. A row that is not there has NULL values
    // (as one removed after opening). None: every row that the statement selects.
    // Giving an open query walked by key other keys replaces its records in place: an
    // edit is ended first (CheckBrowseMode), the cursor goes to the first record and the
    // data sources hear of it, as after First; the query closes when they cannot be read.
    // Any other change closes the query; another statement raises EDatabaseError when it
    // opens with keys given.
    void SetRecordKeys(std::optional<std::vector<qint64>> keys);

    TCursorLocation CursorLocation() const { return m_cursorLocation; }
    void SetCursorLocation(TCursorLocation location) { m_cursorLocation = location; }
    TCursorType CursorType() const { return m_cursorType; }
    void SetCursorType(TCursorType type) { m_cursorType = type; }
    TADOLockType LockType() const { return m_lockType; }
    void SetLockType(TADOLockType lockType) { m_lockType = lockType; }
    // Most records whose values are held at once, for a query walked by key.
    int CacheSize() const { return m_cacheSize; }
    void SetCacheSize(int records) { m_cacheSize = qMax(1, records); }
    // Most records to fetch; 0 for all.
    int MaxRecords() const { return m_maxRecords; }
    void SetMaxRecords(int records) { m_maxRecords = qMax(0, records); }
    // How long opening and posting wait for another program's lock, in seconds.
    int CommandTimeout() const { return m_busyTimeoutMs / 1000; }
    void SetCommandTimeout(int seconds) { SetBusyTimeoutMs(seconds * 1000); }
    int BusyTimeoutMs() const { return m_busyTimeoutMs; }
    void SetBusyTimeoutMs(int milliseconds) { m_busyTimeoutMs = qMax(0, milliseconds); }

    // True while open when the blob columns are read only on demand; with BlobLoadsSkipped
    // also the statements that were run did not load them.
    bool BlobsAreLazy() const;
    bool BlobLoadsSkipped() const;
    // True while open when the records are walked by key, and then how many records'
    // values are held now (at most CacheSize).
    bool WalksByKey() const;
    int RecordsHeld() const;

    // The connection's: an Access catalogue is only read.
    QString ReadOnlyReason() const override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void InternalOpen() override;
    void InternalClose() override;
    int InternalRecordCount() const override;
    QVariant InternalValue(int row, int field) const override;
    qint64 InternalReadBlob(int row, int field, TStream* out) const override;
    void InternalPost(int row, const std::map<int, QVariant>& changes) override;
    void InternalPrefetch(int row, int count) override;
    bool InternalCanModify() const override;
    bool InternalFieldCanModify(int field) const override;

private:
    void ReplaceKeys(std::vector<qint64> keys);
    void CreateFields();
    TADOConnection& CheckConnection() const;

    TADOConnection* m_connection = nullptr;
    QStringList m_sql;
    std::optional<std::vector<qint64>> m_recordKeys;
    TCursorLocation m_cursorLocation = TCursorLocation::clUseClient;
    TCursorType m_cursorType = TCursorType::ctKeyset;
    TADOLockType m_lockType = TADOLockType::ltOptimistic;
    int m_cacheSize = 1;
    int m_maxRecords = 0;
    int m_busyTimeoutMs = 30 * 1000;

    std::unique_ptr<TStoreQuery> m_records;
};
