#include "TFields.h"

#include "Exception.h"
#include "TField.h"

TFields::TFields() = default;
TFields::~TFields() = default;

TField* TFields::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_fields[std::size_t(index)].get();
}

TField* TFields::FindField(const QString& fieldName) const
{
    for (const auto& field : m_fields) {
        if (field->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return field.get();
    }
    return nullptr;
}

TField& TFields::Add(std::unique_ptr<TField> field)
{
    m_fields.push_back(std::move(field));
    return *m_fields.back();
}

void TFields::Clear()
{
    // Newest first, as components are freed.
    while (!m_fields.empty())
        m_fields.pop_back();
}
