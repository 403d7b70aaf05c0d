#include "TBlobField.h"

#include "TClassInfo.h"
#include "TDataSet.h"
#include "TGraphic.h"
#include "TMemoryStream.h"

const TClassInfo& TBlobField::StaticClassInfo()
{
    static const TClassInfo info("TBlobField", &TField::StaticClassInfo());
    return info;
}

TBlobField::TBlobField(TDataSet* dataSet, QString fieldName, int index)
    : TField(dataSet, std::move(fieldName), TFieldType::ftBlob, index)
{}

bool TBlobField::IsNull() const
{
    return !DataSet() || DataSet()->ReadBlob(*this, nullptr) < 0;
}

qint64 TBlobField::BlobSize() const
{
    return DataSet() ? qMax<qint64>(0, DataSet()->ReadBlob(*this, nullptr)) : 0;
}

QByteArray TBlobField::AsBytes() const
{
    TMemoryStream stream;
    SaveToStream(stream);
    return stream.Bytes();
}

void TBlobField::SetAsBytes(const QByteArray& bytes)
{
    // A null QByteArray would read back as NULL; the empty blob is "" of length 0.
    SetValue(QVariant(bytes.isNull() ? QByteArray("") : bytes));
}

void TBlobField::SaveToStream(TStream& stream) const
{
    if (DataSet())
        DataSet()->ReadBlob(*this, &stream);
}

void TBlobField::LoadFromStream(TStream& stream)
{
    SetAsBytes(stream.ReadRest());
}

void TBlobField::Assign(const TPersistent* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (const auto* blob = dynamic_cast<const TBlobField*>(source)) {
        if (blob->IsNull())
            Clear();
        else
            SetAsBytes(blob->AsBytes());
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        AssignStreamForm([graphic](TStream& stream) { graphic->SaveToStream(stream); });
        return;
    }
    if (const auto* persist = dynamic_cast<const IStreamPersist*>(source)) {
        AssignStreamForm([persist](TStream& stream) { persist->SaveToStream(stream); });
        return;
    }
    TField::Assign(source);
}

void TBlobField::AssignStreamForm(const std::function<void(TStream&)>& save)
{
    TMemoryStream stream;
    save(stream);
    SetAsBytes(stream.Bytes());
}

QVariant TBlobField::ReadValue() const
{
    if (!DataSet())
        return QVariant();
    TMemoryStream stream;
    if (DataSet()->ReadBlob(*this, &stream) < 0)
        return QVariant();
    return QVariant(stream.Bytes().isNull() ? QByteArray("") : stream.Bytes());
}
