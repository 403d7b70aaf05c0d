#pragma once

#include "IStreamPersist.h"
#include "TField.h"

#include <QByteArray>
#include <functional>

class TStream;

// A field of binary data (a picture). Its bytes are read from the store only when they
// are asked for, each time: the data set keeps no copy. NULL and an empty blob differ:
// IsNull is true only for NULL; both have size 0 and write nothing to a stream.
//
// A graphic (or anything else with a stream form) is stored by its stream form, through
// Assign with an IStreamPersist source or through AssignStreamForm with a callback that
// writes it; a picture can load itself from the field through the field's SaveToStream.
class TBlobField : public TField, public IStreamPersist {
    T_CLASS_INFO
public:
    TBlobField(TDataSet* dataSet, QString fieldName, int index);

    bool IsBlob() const override { return true; }
    // Asks the store whether the value is NULL without reading the bytes.
    bool IsNull() const override;
    // Bytes in the blob without reading them; 0 for NULL.
    qint64 BlobSize() const;
    QByteArray AsBytes() const;
    void SetAsBytes(const QByteArray& bytes);

    // Writes the blob's bytes at the stream's position (nothing for NULL or empty).
    void SaveToStream(TStream& stream) const override;
    // Sets the blob to the stream's bytes from its position to its end. Needs edit state.
    void LoadFromStream(TStream& stream) override;
    // Stores the stream form of source: another blob field's bytes, or what a graphic
    // (TGraphic) or any IStreamPersist writes; nullptr clears the field. Needs edit state.
    void Assign(const TPersistent* source) override;
    // Stores what save writes to an empty stream. Needs edit state.
    void AssignStreamForm(const std::function<void(TStream&)>& save);

protected:
    QVariant ReadValue() const override;
};
