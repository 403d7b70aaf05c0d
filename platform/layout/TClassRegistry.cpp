#include "TClassRegistry.h"

#include "TClassInfo.h"

TClassRegistry& TClassRegistry::Instance()
{
    static TClassRegistry registry;
    return registry;
}

void TClassRegistry::Register(const TClassInfo* info)
{
    m_classes.insert(info->Name().toLower(), info);
}

const TClassInfo* TClassRegistry::Find(const QString& name) const
{
    return m_classes.value(name.toLower(), nullptr);
}
