#include "TComponent.h"

#include "Exception.h"
#include "SameName.h"
#include "TClassInfo.h"

#include <algorithm>

const TClassInfo& TComponent::StaticClassInfo()
{
    static const TClassInfo info("TComponent", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
        c.Property("Name", &TComponent::Name, &TComponent::SetName, QString());
        c.Property("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
    });
    return info;
}

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    m_destroying = true;
    DestroyComponents();
    // Tell every component that asked; each removes its own link back.
    while (!m_freeNotifies.empty()) {
        TComponent* other = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        std::erase(other->m_freeNotifies, this);
        other->Notification(this, TOperation::opRemove);
    }
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    while (!m_components.empty()) {
        TComponent* component = m_components.back();
        RemoveComponent(component);
        delete component;
    }
}

void TComponent::SetName(const QString& name)
{
    if (name == m_name)
        return;
    if (m_owner && !name.isEmpty()) {
        TComponent* other = m_owner->FindComponent(name);
        if (other && other != this)
            throw EInvalidOperation(
                QStringLiteral("A component named %1 already exists").arg(name));
    }
    m_name = name;
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent* component : m_components) {
        if (SameName(component->m_name, name))
            return component;
    }
    return nullptr;
}

void TComponent::FreeNotification(TComponent* other)
{
    if (!other || other == this)
        return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), other) == m_freeNotifies.end())
        m_freeNotifies.push_back(other);
    if (std::find(other->m_freeNotifies.begin(), other->m_freeNotifies.end(), this) ==
        other->m_freeNotifies.end())
        other->m_freeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (!other)
        return;
    std::erase(m_freeNotifies, other);
    std::erase(other->m_freeNotifies, this);
}

void TComponent::SetParentComponent(TComponent*) {}

std::vector<TComponent*> TComponent::ChildComponents(const TComponent* root) const
{
    std::vector<TComponent*> children;
    if (root != this)
        return children;
    for (TComponent* component : m_components) {
        if (!component->HasParentComponent())
            children.push_back(component);
    }
    return children;
}

void TComponent::Loaded()
{
    m_loading = false;
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component)
{
    component->m_owner = this;
    m_components.push_back(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, TOperation::opRemove);
    std::erase(m_components, component);
    component->m_owner = nullptr;
}
