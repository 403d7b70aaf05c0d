#include "TField.h"

#include "Exception.h"
#include "TClassInfo.h"
#include "TDataSet.h"

const TClassInfo& TField::StaticClassInfo()
{
    static const TClassInfo info("TField", &TComponent::StaticClassInfo());
    return info;
}

TField::TField(TDataSet* dataSet, QString fieldName, TFieldType dataType, int index)
    : TComponent(nullptr)
    , m_dataSet(dataSet)
    , m_fieldName(std::move(fieldName))
    , m_dataType(dataType)
    , m_index(index)
{}

QString TField::DisplayLabel() const
{
    return m_displayLabel.isEmpty() ? m_fieldName : m_displayLabel;
}

void TField::SetDisplayLabel(const QString& label)
{
    // Setting the field name itself clears the label, so that it follows the name.
    m_displayLabel = label == m_fieldName ? QString() : label;
}

void TField::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
}

bool TField::CanModify() const
{
    return !m_readOnly && m_dataSet && m_dataSet->FieldCanModify(*this);
}

bool TField::IsNull() const
{
    return !ReadValue().isValid();
}

QVariant TField::Value() const
{
    return ReadValue();
}

QVariant TField::ReadValue() const
{
    return m_dataSet ? m_dataSet->FieldValue(*this) : QVariant();
}

void TField::SetValue(const QVariant& value)
{
    if (!m_dataSet)
        Invalid(QStringLiteral("has no data set"));
    m_dataSet->SetFieldValue(*this, value);
}

QString TField::AsString() const
{
    const QVariant value = ReadValue();
    if (!value.isValid())
        return QString();
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

qint64 TField::AsInteger() const
{
    const QVariant value = ReadValue();
    if (!value.isValid())
        return 0;
    bool ok = false;
    const qint64 result = value.typeId() == QMetaType::Double
                              ? qint64(value.toDouble(&ok))
                              : value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        Invalid(QStringLiteral("'%1' is not a valid integer value").arg(value.toString()));
    return result;
}

double TField::AsFloat() const
{
    const QVariant value = ReadValue();
    if (!value.isValid())
        return 0.0;
    bool ok = false;
    const double result = value.toString().trimmed().toDouble(&ok);
    if (!ok)
        Invalid(QStringLiteral("'%1' is not a valid floating point value").arg(value.toString()));
    return result;
}

void TField::Invalid(const QString& what) const
{
    throw EDatabaseError(QStringLiteral("Field '%1': %2").arg(DisplayName(), what));
}
