#pragma once

#include "TDataSet.h"
#include "TLayoutCodec.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class TADOConnection;
class TSQLiteDatabase;
class TSQLiteRecordWindow;
class TSQLiteResultPlan;
class TSQLiteRowIds;

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

// A query over the connection's database: SQL text as a list of lines, sent as the lines
// joined by line breaks. Blob columns are read from the database only when a field asks
// for them (see TSQLiteResultPlan for how and when), so opening a category reads no
// picture and memory follows the pictures shown.
//
// A plain SELECT of one table (the category queries) is walked by row id: opening steps
// only the records' row ids (a covering scan of the index on the filter column where
// there is one) and keeps them compactly; the values of at most CacheSize records around
// the one asked for are held and fetched together when another record is asked for. So
// opening, counting and jumping anywhere cost no more than the row ids, whatever the size
// of the category. Any other statement is run once and the values of its small columns
// and its row ids are kept for every record.
//
// While opening runs, the database calls TBusyPulse::Pulse every few thousand steps, so
// that a busy indicator can stay alive through one long scan of a large table.
//
// The records are those found by opening (a static client cursor, whatever CursorType and
// CursorLocation say: they are kept for layouts). Edit/Post writes changed fields back
// with UPDATE ... WHERE <row id> = ?; a field can be modified when the row id of its
// column's table is known (walked by row id, or returned by the query), LockType is not
// ltReadOnly and the file is writable.
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

    // Limits the records of a plain SELECT of one table (a query walked by row id) to the
    // rows with these row ids, in this order: a find's result in the order it was found.
    // A row that is not there has NULL values (as one removed after opening). None: every
    // row that the statement selects. Changing it closes the query; another statement
    // raises EDatabaseError when it opens with row ids given.
    void SetRecordKeys(std::optional<std::vector<qint64>> rowIds);

    TCursorLocation CursorLocation() const { return m_cursorLocation; }
    void SetCursorLocation(TCursorLocation location) { m_cursorLocation = location; }
    TCursorType CursorType() const { return m_cursorType; }
    void SetCursorType(TCursorType type) { m_cursorType = type; }
    TADOLockType LockType() const { return m_lockType; }
    void SetLockType(TADOLockType lockType) { m_lockType = lockType; }
    // Most records whose values are held at once, for a query walked by row id.
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
    // also the opening statement did not load them (see TSQLiteResultPlan).
    bool BlobsAreLazy() const;
    bool BlobLoadsSkipped() const;
    // True while open when the records are walked by row id, and then how many records'
    // values are held now (at most CacheSize).
    bool WalksByRowId() const;
    int RecordsHeld() const;

    // The connection's: an Access catalogue is only read.
    QString ReadOnlyReason() const override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void InternalOpen() override;
    void InternalClose() override;
    int InternalRecordCount() const override { return m_recordCount; }
    QVariant InternalValue(int row, int field) const override;
    qint64 InternalReadBlob(int row, int field, TStream* out) const override;
    void InternalPost(int row, const std::map<int, QVariant>& changes) override;
    bool InternalCanModify() const override;
    bool InternalFieldCanModify(int field) const override;

private:
    void CreateFields();
    void FetchRecords();
    void FetchRowIds();
    const QVariant& Stored(int row, int column) const;
    void Store(int row, int column, const QVariant& value);
    // The row id of the row that column's value of record row comes from; invalid for none.
    QVariant RowKey(int row, int column) const;
    void UpdateTable(TSQLiteDatabase& database, int row, int field,
                     const std::map<QString, QVariant>& values) const;
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

    std::unique_ptr<TSQLiteResultPlan> m_plan;
    // Walked by row id: the records' row ids and the values held of some of them.
    std::unique_ptr<TSQLiteRowIds> m_rowIds;
    std::unique_ptr<TSQLiteRecordWindow> m_window;
    // Otherwise the values of the kept columns, row after row. The slot of each column,
    // -1 for lazy blobs.
    std::vector<QVariant> m_values;
    std::vector<int> m_slots;
    int m_slotCount = 0;
    int m_recordCount = 0;
};
