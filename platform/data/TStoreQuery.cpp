#include "TStoreQuery.h"

#include "TMemoryStream.h"

#include <algorithm>

namespace {

QByteArray BytesOf(const QVariant& value)
{
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray()
                                                   : value.toString().toUtf8();
}

} // namespace

QVariant TStoreQuery::Value(int row, int column)
{
    if (m_records.Kept(column))
        return m_records.Value(*this, row, column);
    if (const QVariant* held = m_records.PageValue(row, column))
        return *held;
    TMemoryStream stream;
    if (ReadLazyBlob(row, column, &stream) < 0)
        return QVariant();
    const QByteArray& bytes = stream.Bytes();
    return QVariant(bytes.isNull() ? QByteArray("") : bytes);
}

void TStoreQuery::ReplaceKeys(const std::vector<qint64>& keys, int maxRecords)
{
    m_records.ReplaceKeys(TRecordKeys::Of(keys, maxRecords));
    if (m_records.Count() > 0)
        m_records.Hold(*this, 0);
}

qint64 TStoreQuery::ReadBlob(int row, int column, TStream* out)
{
    const QVariant* value = m_records.Kept(column) ? &m_records.Value(*this, row, column)
                                                   : m_records.PageValue(row, column);
    if (!value)
        return ReadLazyBlob(row, column, out);
    if (!value->isValid())
        return -1;
    const QByteArray bytes = BytesOf(*value);
    if (out)
        out->WriteBuffer(bytes.constData(), bytes.size());
    return bytes.size();
}

void TStoreQuery::PrefetchRecords(int, int) {}

bool TStoreQuery::BlobsAreLazy() const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].type == TFieldType::ftBlob && !m_records.Kept(int(i)))
            return true;
    }
    return false;
}
