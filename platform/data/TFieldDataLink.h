#pragma once

#include "TDataLink.h"
#include "TEvent.h"

#include <QString>

class TComponent;
class TField;

// The data link of a control bound to one field: it finds the field by name when the data
// set opens, reports record changes of that field (OnDataChange), the start and end of an
// edit the control may take part in (OnEditingChange), and asks the control for its value
// when the record is updated and the control marked itself modified (OnUpdateData).
// The modified mark is cleared on every record change and at the start and end of edits.
class TFieldDataLink : public TDataLink {
    T_CLASS_INFO
public:
    TFieldDataLink();

    // The control the link belongs to (its name goes into "field not found" errors).
    TComponent* Control() const { return m_control; }
    void SetControl(TComponent* control) { m_control = control; }
    const QString& FieldName() const { return m_fieldName; }
    // Rebinds to the named field when the data set is open; raises EDatabaseError
    // "<control>: Field '<name>' not found" when it has none of that name.
    void SetFieldName(const QString& fieldName);
    // The bound field while active, else nullptr.
    TField* Field() const { return m_field; }

    // Not read-only, and the field exists and can be modified.
    bool CanModify() const;
    // The data set is editing and this link's field can be modified.
    bool Editing() const override { return m_fieldEditing; }
    // Puts the data set in edit state if CanModify; returns Editing. Raises
    // EDatabaseError with the reason when the data set's store is only read (an Access
    // catalogue), so that a change asked for is answered.
    bool Edit() override;
    QString ReadOnlyReason() const;
    // Marks the control's value as changed, so that the next UpdateRecord writes it back.
    void Modified() { m_modified = true; }
    bool IsModified() const { return m_modified; }
    // Discards the control's change: the record's value comes back through OnDataChange.
    void Reset() { RecordChanged(nullptr); }

    TNotifyEvent OnDataChange;
    TNotifyEvent OnEditingChange;
    TNotifyEvent OnUpdateData;
    TNotifyEvent OnActiveChange;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;

private:
    void UpdateField();
    void SetField(TField* field);
    void SetEditing(bool editing);

    TComponent* m_control = nullptr;
    QString m_fieldName;
    TField* m_field = nullptr;
    bool m_fieldEditing = false;
    bool m_modified = false;
};
