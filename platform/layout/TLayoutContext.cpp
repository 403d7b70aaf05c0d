#include "TLayoutContext.h"

#include "TClassInfo.h"
#include "TComponent.h"

const THandlerInfo* TLayoutContext::FindHandler(const QString& name) const
{
    return m_root->ClassInfo().FindHandler(name);
}

TComponent* TLayoutContext::FindComponent(const QString& name) const
{
    if (m_root->Name().compare(name, Qt::CaseInsensitive) == 0)
        return m_root;
    return m_root->FindComponent(name);
}
