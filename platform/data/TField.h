#pragma once

#include "TComponent.h"
#include "TLayoutCodec.h"

#include <QVariant>

class TDataSet;

enum class TFieldType { ftUnknown, ftString, ftInteger, ftAutoInc, ftFloat, ftBlob };
T_ENUM_NAMES(TFieldType, "ftUnknown", "ftString", "ftInteger", "ftAutoInc", "ftFloat", "ftBlob");

// One column of a data set, seen through its current record. The data set creates its
// fields when it opens and frees them when it closes. Values are QVariants: an invalid
// QVariant is NULL. Setting a value needs the data set in edit state.
class TField : public TComponent {
    T_CLASS_INFO
public:
    TField(TDataSet* dataSet, QString fieldName, TFieldType dataType, int index);

    TDataSet* DataSet() const { return m_dataSet; }
    const QString& FieldName() const { return m_fieldName; }
    TFieldType DataType() const { return m_dataType; }
    // Position in the data set's fields, from 0; FieldNo counts from 1.
    int Index() const { return m_index; }

    // The name shown for the field: the display label when one is set, else the field name.
    QString DisplayLabel() const;
    void SetDisplayLabel(const QString& label);
    QString DisplayName() const { return DisplayLabel(); }

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // Not read-only, and the data set can store a new value for it.
    bool CanModify() const;
    virtual bool IsBlob() const { return false; }

    virtual bool IsNull() const;
    QVariant Value() const;
    // Raises EDatabaseError when the data set is not editing or the field cannot be modified.
    void SetValue(const QVariant& value);
    void Clear() { SetValue(QVariant()); }
    QString AsString() const;
    void SetAsString(const QString& text) { SetValue(text); }
    // Raises EDatabaseError when the value is not a whole number.
    virtual qint64 AsInteger() const;
    void SetAsInteger(qint64 value) { SetValue(QVariant(qlonglong(value))); }
    double AsFloat() const;

protected:
    virtual QVariant ReadValue() const;
    [[noreturn]] void Invalid(const QString& what) const;

private:
    TDataSet* m_dataSet;
    QString m_fieldName;
    QString m_displayLabel;
    TFieldType m_dataType;
    int m_index;
    bool m_readOnly = false;
};
