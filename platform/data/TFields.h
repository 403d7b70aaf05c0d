#pragma once

#include <QString>
#include <memory>
#include <vector>

class TField;

// The fields of a data set, in the order of its columns; owns them.
class TFields {
public:
    TFields();
    ~TFields();
    TFields(const TFields&) = delete;
    TFields& operator=(const TFields&) = delete;

    int Count() const { return int(m_fields.size()); }
    // Raises EListError for an index out of range.
    TField* operator[](int index) const;
    // The field of that name (letter case ignored), or nullptr.
    TField* FindField(const QString& fieldName) const;

    TField& Add(std::unique_ptr<TField> field);
    void Clear();

private:
    std::vector<std::unique_ptr<TField>> m_fields;
};
