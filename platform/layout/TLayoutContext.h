#pragma once

#include <QString>
#include <functional>
#include <vector>

class TComponent;
struct THandlerInfo;

// What setting a property from a layout needs besides the value: the form being
// loaded (handlers are bound to it, component names are looked up in it) and a list
// of references to components that may be declared further down.
class TLayoutContext {
public:
    explicit TLayoutContext(TComponent* root)
        : m_root(root)
    {}

    TComponent* Root() const { return m_root; }
    // The handler of that name, looked up from the form's own class upwards.
    const THandlerInfo* FindHandler(const QString& name) const;
    // The form itself or a component it owns; nullptr when there is none of that name.
    TComponent* FindComponent(const QString& name) const;

    void AddFixup(std::function<void()> fixup) { m_fixups.push_back(std::move(fixup)); }
    std::vector<std::function<void()>> TakeFixups() { return std::exchange(m_fixups, {}); }

private:
    TComponent* m_root;
    std::vector<std::function<void()>> m_fixups;
};
