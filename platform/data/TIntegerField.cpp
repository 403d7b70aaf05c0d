#include "TIntegerField.h"

#include "TClassInfo.h"

const TClassInfo& TIntegerField::StaticClassInfo()
{
    static const TClassInfo info("TIntegerField", &TField::StaticClassInfo());
    return info;
}

TIntegerField::TIntegerField(TDataSet* dataSet, QString fieldName, TFieldType dataType, int index)
    : TField(dataSet, std::move(fieldName), dataType, index)
{
    if (dataType == TFieldType::ftAutoInc)
        SetReadOnly(true);
}

qint64 TIntegerField::AsInteger() const
{
    const QVariant value = ReadValue();
    // The common case, kept off the text conversion of the general route.
    if (value.typeId() == QMetaType::LongLong)
        return value.toLongLong();
    return TField::AsInteger();
}
