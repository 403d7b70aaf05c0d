#pragma once

#include <QString>

class TComponent;
class TPersistent;

// Writes a form as a stored layout. Without an ancestor every property that differs
// from its declared default is written; with an ancestor (an instance of the parent
// form class, loaded from its own layouts) the layout starts with `inherited` and holds
// only what differs from the ancestor: new components, changed properties, rebound or
// cleared handlers.
class TLayoutWriter {
public:
    static QString Write(const TComponent* root, const TComponent* ancestor = nullptr);

private:
    TLayoutWriter(const TComponent* root, const TComponent* ancestor);

    QString Block(const TComponent* component, const TComponent* ancestor, int depth) const;
    QString Assignments(const TPersistent* object, const TPersistent* ancestor,
                        const QString& prefix, int depth) const;
    const TComponent* AncestorOf(const TComponent* component) const;

    const TComponent* m_root;
    const TComponent* m_ancestorRoot;
};
