#include "TLayoutLoader.h"

#include "TClassInfo.h"
#include "TClassRegistry.h"
#include "TComponent.h"
#include "TLayoutContext.h"
#include "TLayoutError.h"
#include "TLayoutParser.h"

#include <algorithm>

TLayoutLoader::TLayoutLoader(TComponent* root, QString layoutName)
    : m_root(root)
    , m_layoutName(std::move(layoutName))
{}

void TLayoutLoader::Apply(const QString& text)
{
    const TLayoutNode tree = TLayoutParser::Parse(text, m_layoutName);
    TLayoutContext context(m_root);
    ApplyRoot(tree, context);
    for (auto& fixup : context.TakeFixups())
        fixup();
    for (TComponent* component : m_touched)
        component->Loaded();
}

void TLayoutLoader::ApplyRoot(const TLayoutNode& node, TLayoutContext& context)
{
    CheckClass(node, m_root);
    Touch(m_root);
    m_root->SetName(UniqueRootName(node.name));
    ApplyAssignments(node, m_root, context);
    for (const TLayoutNode& child : node.children)
        ApplyChild(child, m_root, context);
}

// The form takes the name its most-derived layout gives; a second form of the same
// name under one owner becomes Name_1, Name_2, ...
QString TLayoutLoader::UniqueRootName(const QString& name) const
{
    const TComponent* owner = m_root->Owner();
    QString candidate = name;
    for (int suffix = 1; owner; ++suffix) {
        const TComponent* holder = owner->FindComponent(candidate);
        if (!holder || holder == m_root)
            break;
        candidate = QStringLiteral("%1_%2").arg(name).arg(suffix);
    }
    return candidate;
}

void TLayoutLoader::ApplyChild(const TLayoutNode& node, TComponent* parent, TLayoutContext& context)
{
    TComponent* component = node.inherited ? InheritedComponent(node) : NewComponent(node, parent);
    ApplyAssignments(node, component, context);
    for (const TLayoutNode& child : node.children)
        ApplyChild(child, component, context);
}

TComponent* TLayoutLoader::InheritedComponent(const TLayoutNode& node)
{
    TComponent* component = m_root->FindComponent(node.name);
    if (!component)
        throw TLayoutError::At(m_layoutName, node.line, node.name,
                               QStringLiteral("no inherited component of that name"));
    CheckClass(node, component);
    Touch(component);
    return component;
}

TComponent* TLayoutLoader::NewComponent(const TLayoutNode& node, TComponent* parent)
{
    const TClassInfo* info = TClassRegistry::Instance().Find(node.className);
    if (!info)
        throw TLayoutError::At(m_layoutName, node.line, node.className,
                               QStringLiteral("unknown class"));
    if (!info->CanCreate())
        throw TLayoutError::At(m_layoutName, node.line, node.className,
                               QStringLiteral("class cannot be created by a layout"));
    if (m_root->FindComponent(node.name))
        throw TLayoutError::At(m_layoutName, node.line, node.name,
                               QStringLiteral("a component of that name exists already"));
    TComponent* component = info->Create(m_root);
    Touch(component);
    component->SetName(node.name);
    component->SetParentComponent(parent);
    return component;
}

void TLayoutLoader::ApplyAssignments(const TLayoutNode& node, TComponent* component,
                                     TLayoutContext& context)
{
    for (const TLayoutAssignment& assignment : node.assignments) {
        if (assignment.path.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            throw TLayoutError::At(m_layoutName, assignment.line, assignment.path,
                                   QStringLiteral("the name is given in the block header"));
        Assign(component, assignment, context);
    }
}

// Walks the dotted path through nested objects and sets the last property. Errors of
// the value, and of references resolved later, are reported at this line.
void TLayoutLoader::Assign(TPersistent* target, const TLayoutAssignment& assignment,
                           TLayoutContext& context)
{
    const QStringList segments = assignment.path.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const TPropertyInfo* property = target->ClassInfo().FindProperty(segments[i]);
        const bool last = i == segments.size() - 1;
        if (!property)
            throw TLayoutError::At(
                m_layoutName, assignment.line, segments[i],
                QStringLiteral("unknown property of %1").arg(target->ClassInfo().Name()));
        if (!last) {
            if (!property->IsObject())
                throw TLayoutError::At(m_layoutName, assignment.line, segments[i],
                                       QStringLiteral("property has no nested properties"));
            target = property->object(target);
            continue;
        }
        if (!property->set)
            throw TLayoutError::At(m_layoutName, assignment.line, segments[i],
                                   QStringLiteral("property is a nested object"));
        try {
            TLayoutContext local(context.Root());
            property->set(target, assignment.value, local);
            for (auto& fixup : local.TakeFixups()) {
                context.AddFixup([fixup = std::move(fixup), layout = m_layoutName, assignment] {
                    try {
                        fixup();
                    } catch (const ELayoutError& error) {
                        throw TLayoutError::At(layout, assignment.line,
                                               assignment.value.ToLayoutText(), error.Message());
                    }
                });
            }
        } catch (const ELayoutError& error) {
            throw TLayoutError::At(m_layoutName, assignment.line, assignment.value.ToLayoutText(),
                                   error.Message());
        }
    }
}

// The block's class must be the component's own class or one of its ancestors.
void TLayoutLoader::CheckClass(const TLayoutNode& node, const TComponent* component) const
{
    for (const TClassInfo* info = &component->ClassInfo(); info; info = info->Parent()) {
        if (info->Name().compare(node.className, Qt::CaseInsensitive) == 0)
            return;
    }
    const bool known = TClassRegistry::Instance().Find(node.className) != nullptr;
    throw TLayoutError::At(
        m_layoutName, node.line, node.className,
        known ? QStringLiteral("%1 is a %2").arg(node.name, component->ClassInfo().Name())
              : QStringLiteral("unknown class"));
}

void TLayoutLoader::Touch(TComponent* component)
{
    if (std::find(m_touched.begin(), m_touched.end(), component) != m_touched.end())
        return;
    component->BeginLoading();
    m_touched.push_back(component);
}
