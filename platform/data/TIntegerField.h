#pragma once

#include "TField.h"

// A field of whole numbers (SQLite INTEGER affinity); a table's row id is one too, of
// type ftAutoInc and read-only.
class TIntegerField : public TField {
    T_CLASS_INFO
public:
    TIntegerField(TDataSet* dataSet, QString fieldName, TFieldType dataType, int index);

    qint64 AsInteger() const override;
};
