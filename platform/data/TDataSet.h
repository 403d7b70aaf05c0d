#pragma once

#include "TComponent.h"
#include "TFields.h"
#include "TLayoutCodec.h"

#include <QVariant>
#include <map>
#include <memory>
#include <vector>

class TDataSource;
class TField;
class TStream;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit };
T_ENUM_NAMES(TDataSetState, "dsInactive", "dsBrowse", "dsEdit");

// What a data set tells its data sources, and they their data links.
enum class TDataEvent {
    deFieldChange,     // a field of the current record was set (the field is given)
    deRecordChange,    // the current record's values changed (edit began)
    deDataSetChange,   // the records changed (first, last, post, cancel, jump)
    deDataSetScroll,   // the current record moved by a relative step
    deLayoutChange,    // the fields changed
    deUpdateRecord,    // controls: write your pending values into the fields now
    deUpdateState,     // the state changed (opened, closed, edit began or ended)
    deCheckBrowseMode, // about to leave edit mode
};

// A set of records with a current record, its fields and the edit cycle (Edit, then field
// values, then Post or Cancel). Subclasses supply the records through the Internal*
// operations; this class keeps the cursor, the fields, the state, the pending values of an
// edit and the data sources to notify.
//
// The cursor: RecNo runs from 1 to RecordCount; Bof is true after First and Open and after
// an attempt to move before the first record, Eof after Last and after an attempt to move
// past the last; an empty data set is at Bof and Eof with RecNo -1. Moving while editing
// first posts the edit when fields were changed (CheckBrowseMode), cancels it otherwise.
class TDataSet : public TComponent {
    T_CLASS_INFO
public:
    explicit TDataSet(TComponent* owner);
    ~TDataSet() override;

    bool Active() const { return m_state != TDataSetState::dsInactive; }
    // Opens or closes. Inside a layout the value is kept and applied in Loaded().
    void SetActive(bool active);
    void Open() { SetActive(true); }
    // Closes; a pending edit is discarded.
    void Close() { SetActive(false); }
    TDataSetState State() const { return m_state; }

    // Raise EDatabaseError when the data set is closed.
    int RecordCount() const;
    bool IsEmpty() const;
    int RecNo() const;
    void SetRecNo(int recNo);
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves up to distance records; returns how many it moved (negative backwards).
    int MoveBy(int distance);

    const TFields& Fields() const { return m_fields; }
    int FieldCount() const { return m_fields.Count(); }
    TField* FindField(const QString& fieldName) const { return m_fields.FindField(fieldName); }
    // Raises EDatabaseError "<data set>: Field '<name>' not found".
    TField* FieldByName(const QString& fieldName) const;

    // Can the current record be changed (open, not empty, updatable)?
    bool CanModify() const;
    // Why no record can ever be changed, whatever the mode (the store is only read), or
    // an empty text.
    virtual QString ReadOnlyReason() const { return QString(); }
    // Begins an edit of the current record; raises when it cannot be modified.
    void Edit();
    // Has the edit changed a field?
    bool Modified() const { return m_modified; }
    // Asks the controls to write their pending values (deUpdateRecord); raises outside edit.
    void UpdateRecord();
    // Writes the edited fields to the store and returns to browsing; on failure the edit
    // stays as it was and the error goes to the caller.
    void Post();
    // Discards the edit and returns to browsing.
    void Cancel();
    // Ends an edit before the cursor moves: posts when fields were changed, else cancels.
    void CheckBrowseMode();

    // For a host that paints records other than the current one (a control grid): field
    // values come from record recNo until ClearDisplayRecord(); no event fires.
    void SetDisplayRecord(int recNo);
    void ClearDisplayRecord() { m_displayRow = -1; }
    // A host about to show count records from recNo on (a control grid's page) names
    // them, so that a store that pays a round trip to a server for each read fetches what
    // they show at once. Records outside the data set are left out; no value changes and
    // no event fires. Errors of the store pass on; nothing happens while closed.
    void PrefetchRecords(int recNo, int count);

protected:
    void Loaded() override;
    void CheckActive() const;

    // Subclass interface. InternalOpen creates the fields (AddField) and fetches the
    // records; on an error it may leave anything behind that InternalClose can release.
    virtual void InternalOpen() = 0;
    virtual void InternalClose() = 0;
    virtual int InternalRecordCount() const = 0;
    // The value of field index in record row (0-based); blobs are asked for through
    // InternalReadBlob instead.
    virtual QVariant InternalValue(int row, int field) const = 0;
    // Writes the blob of field in row to out (when not null); returns its size, -1 for NULL.
    virtual qint64 InternalReadBlob(int row, int field, TStream* out) const = 0;
    // Stores the changed values (by field index; an invalid QVariant is NULL) of row.
    virtual void InternalPost(int row, const std::map<int, QVariant>& changes) = 0;
    // Records row to row + count - 1 (all in the data set) are about to be shown.
    virtual void InternalPrefetch(int row, int count);
    virtual bool InternalCanModify() const { return false; }
    virtual bool InternalFieldCanModify(int) const { return false; }

    TField& AddField(std::unique_ptr<TField> field);

private:
    friend class TField;
    friend class TBlobField;
    friend class TDataSource;

    // Values of the record in view (the current one, or the display record), with the
    // edit's pending values over them.
    QVariant FieldValue(const TField& field) const;
    qint64 ReadBlob(const TField& field, TStream* out) const;
    void SetFieldValue(TField& field, const QVariant& value);
    bool FieldCanModify(const TField& field) const;

    void DoOpen();
    void DoClose();
    void SetState(TDataSetState state);
    void DataEvent(TDataEvent event, TField* field = nullptr);
    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);
    int ViewRow() const { return m_displayRow >= 0 ? m_displayRow : m_row; }

    TDataSetState m_state = TDataSetState::dsInactive;
    bool m_streamedActive = false;
    int m_row = -1; // 0-based current record, -1 when there is none
    int m_displayRow = -1;
    bool m_bof = true;
    bool m_eof = true;
    TFields m_fields;
    std::map<int, QVariant> m_pending; // field index -> value of the edit
    bool m_modified = false;
    std::vector<TDataSource*> m_dataSources;
};
