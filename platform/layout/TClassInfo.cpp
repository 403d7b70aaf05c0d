#include "TClassInfo.h"

#include "SameName.h"
#include "TClassRegistry.h"

TClassInfo::TClassInfo(QString name, const TClassInfo* parent,
                       const std::function<void(TClassInfo&)>& declare)
    : m_name(std::move(name))
    , m_parent(parent)
{
    if (declare)
        declare(*this);
    TClassRegistry::Instance().Register(this);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* info = this; info; info = info->m_parent) {
        if (info == &other)
            return true;
    }
    return false;
}

TComponent* TClassInfo::Create(TComponent* owner) const
{
    if (!m_factory)
        throw ELayoutError(QStringLiteral("class %1 cannot be created by a layout").arg(m_name));
    return m_factory(owner);
}

const TPropertyInfo* TClassInfo::FindProperty(const QString& name) const
{
    for (const TClassInfo* info = this; info; info = info->m_parent) {
        for (const auto& property : info->m_properties) {
            if (SameName(property->name, name))
                return property.get();
        }
    }
    return nullptr;
}

std::vector<const TPropertyInfo*> TClassInfo::AllProperties() const
{
    std::vector<const TPropertyInfo*> result;
    if (m_parent)
        result = m_parent->AllProperties();
    for (const auto& property : m_properties)
        result.push_back(property.get());
    return result;
}

const THandlerInfo* TClassInfo::FindHandler(const QString& name) const
{
    for (const TClassInfo* info = this; info; info = info->m_parent) {
        for (const THandlerInfo& handler : info->m_handlers) {
            if (SameName(handler.name, name))
                return &handler;
        }
    }
    return nullptr;
}

TPropertyInfo& TClassInfo::Add(const char* name)
{
    m_properties.push_back(std::make_unique<TPropertyInfo>());
    m_properties.back()->name = QString::fromLatin1(name);
    return *m_properties.back();
}

std::vector<const TFieldInfo*> TClassInfo::AllFields() const
{
    std::vector<const TFieldInfo*> result;
    if (m_parent)
        result = m_parent->AllFields();
    for (const TFieldInfo& field : m_fields)
        result.push_back(&field);
    return result;
}
