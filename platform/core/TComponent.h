#pragma once

#include "TPersistent.h"

#include <QString>
#include <vector>

enum class TOperation { opInsert, opRemove };

// A named object owned by another component. An owner frees the components it owns
// when it is freed; a component can ask to be told when another one is freed.
class TComponent : public TPersistent {
    T_CLASS_INFO
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return m_owner; }
    const QString& Name() const { return m_name; }
    // Raises EInvalidOperation when another component of the same owner has the name.
    virtual void SetName(const QString& name);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    const std::vector<TComponent*>& Components() const { return m_components; }
    // The owned component of that name (letter case ignored), or nullptr.
    TComponent* FindComponent(const QString& name) const;

    // After this call, other->Notification(this, opRemove) runs when this is freed,
    // and this->Notification(other, opRemove) when other is freed.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    bool IsLoading() const { return m_loading; }
    bool IsDestroying() const { return m_destroying; }
    // Marks the component as being read from a layout; Loaded() ends it.
    void BeginLoading() { m_loading = true; }
    virtual void Loaded();

    // Layout structure: a control puts itself inside parent (a no-op for components
    // that are not controls); ChildComponents lists what a layout writes nested in
    // this component's block when root is the form being written.
    virtual void SetParentComponent(TComponent* parent);
    virtual bool HasParentComponent() const { return false; }
    virtual std::vector<TComponent*> ChildComponents(const TComponent* root) const;

    // Frees every owned component, newest first. Called by the destructor; a class
    // whose owned components need its own state while they go calls it earlier.
    void DestroyComponents();

protected:
    // Told when a component joins or leaves this one's owned components, and when a
    // component linked by FreeNotification is freed.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* m_owner = nullptr;
    QString m_name;
    int m_tag = 0;
    bool m_loading = false;
    bool m_destroying = false;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
};
