#pragma once

#include "TLayoutNode.h"

#include <QString>
#include <vector>

class TComponent;
class TPersistent;
class TLayoutContext;

// Applies a stored layout to a form: `object` blocks create components owned by the
// form and placed inside their enclosing control, `inherited` blocks change components
// that earlier layouts created, and assignments set properties and bind handlers.
// Errors name the layout, the line and the word; nothing is skipped silently.
class TLayoutLoader {
public:
    TLayoutLoader(TComponent* root, QString layoutName);

    // Reads the layout text and applies it. Every component touched is in the loading
    // state until the whole layout is applied; then each gets Loaded().
    void Apply(const QString& text);

private:
    void ApplyRoot(const TLayoutNode& node, TLayoutContext& context);
    void ApplyChild(const TLayoutNode& node, TComponent* parent, TLayoutContext& context);
    TComponent* InheritedComponent(const TLayoutNode& node);
    TComponent* NewComponent(const TLayoutNode& node, TComponent* parent);
    void ApplyAssignments(const TLayoutNode& node, TComponent* component, TLayoutContext& context);
    void Assign(TPersistent* target, const TLayoutAssignment& assignment, TLayoutContext& context);
    void CheckClass(const TLayoutNode& node, const TComponent* component) const;
    void Touch(TComponent* component);
    QString UniqueRootName(const QString& name) const;

    TComponent* m_root;
    QString m_layoutName;
    std::vector<TComponent*> m_touched;
};
