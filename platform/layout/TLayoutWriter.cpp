#include "TLayoutWriter.h"

#include "TClassInfo.h"
#include "TComponent.h"

namespace {

QString Indent(int depth)
{
    return QString(depth * 2, QLatin1Char(' '));
}

} // namespace

TLayoutWriter::TLayoutWriter(const TComponent* root, const TComponent* ancestor)
    : m_root(root)
    , m_ancestorRoot(ancestor)
{}

QString TLayoutWriter::Write(const TComponent* root, const TComponent* ancestor)
{
    TLayoutWriter writer(root, ancestor);
    return writer.Block(root, ancestor, 0);
}

// One block; an inherited block without differences and without new descendants is
// left out entirely (the root block is always written).
QString TLayoutWriter::Block(const TComponent* component, const TComponent* ancestor,
                             int depth) const
{
    QString body = Assignments(component, ancestor, QString(), depth + 1);
    for (const TComponent* child : component->ChildComponents(m_root))
        body += Block(child, AncestorOf(child), depth + 1);
    if (ancestor && body.isEmpty() && component != m_root)
        return QString();
    const QString keyword = ancestor ? QStringLiteral("inherited") : QStringLiteral("object");
    return Indent(depth) + keyword + QLatin1Char(' ') + component->Name() + QLatin1String(": ") +
           component->ClassInfo().Name() + QLatin1Char('\n') + body + Indent(depth) +
           QLatin1String("end\n");
}

QString TLayoutWriter::Assignments(const TPersistent* object, const TPersistent* ancestor,
                                   const QString& prefix, int depth) const
{
    QString text;
    for (const TPropertyInfo* property : object->ClassInfo().AllProperties()) {
        const bool componentName = prefix.isEmpty() && property->name == QLatin1String("Name");
        if (componentName || !property->IsStored(object))
            continue;
        if (property->IsObject()) {
            auto* self = const_cast<TPersistent*>(object);
            auto* base = const_cast<TPersistent*>(ancestor);
            text += Assignments(property->object(self), base ? property->object(base) : nullptr,
                                prefix + property->name + QLatin1Char('.'), depth);
            continue;
        }
        const TLayoutValue value = property->get(object);
        const TLayoutValue reference = ancestor ? property->get(ancestor) : property->defaultValue;
        if (value == reference)
            continue;
        text += Indent(depth) + prefix + property->name + QLatin1String(" = ") +
                value.ToLayoutText() + QLatin1Char('\n');
    }
    return text;
}

const TComponent* TLayoutWriter::AncestorOf(const TComponent* component) const
{
    if (!m_ancestorRoot)
        return nullptr;
    return m_ancestorRoot->FindComponent(component->Name());
}
