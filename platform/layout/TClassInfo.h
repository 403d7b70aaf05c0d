#pragma once

#include "Exception.h"
#include "TEvent.h"
#include "THandlerInfo.h"
#include "TLayoutCodec.h"
#include "TLayoutContext.h"
#include "TPropertyInfo.h"

#include <QString>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

class TComponent;
class TPersistent;

// The class information of one class of the system: its name, its parent's, how to
// create an instance for a layout, its published properties in declaration order and,
// for forms, its event handlers by name. Created once per class by StaticClassInfo(),
// which also enters it into the class registry.
class TClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    TClassInfo(QString name, const TClassInfo* parent,
               const std::function<void(TClassInfo&)>& declare = {});
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const QString& Name() const { return m_name; }
    const TClassInfo* Parent() const { return m_parent; }
    bool InheritsFrom(const TClassInfo& other) const;

    bool CanCreate() const { return bool(m_factory); }
    // A new instance owned by owner; raises ELayoutError for a class that layouts cannot create.
    TComponent* Create(TComponent* owner) const;

    // The property of that name (letter case ignored), searched from this class upwards.
    const TPropertyInfo* FindProperty(const QString& name) const;
    // Every published property, the root class's first, each class's in declaration order.
    std::vector<const TPropertyInfo*> AllProperties() const;
    // The handler of that name, from this class upwards: a derived form's handler
    // replaces its parent's of the same name.
    const THandlerInfo* FindHandler(const QString& name) const;

    // --- Declaration, used inside the declare callback -------------------------------

    template <class C> void Creatable()
    {
        m_factory = [](TComponent* owner) -> TComponent* { return new C(owner); };
    }

    // A value property with getter, setter and declared default.
    template <class C, class G, class S, class D>
    TPropertyInfo& Property(const char* name, G (C::*getter)() const, void (C::*setter)(S),
                            const D& defaultValue)
    {
        using V = std::remove_cvref_t<G>;
        using Codec = TLayoutCodec<V>;
        TPropertyInfo& info = Add(name);
        info.get = [getter](const TPersistent* o) {
            return Codec::Encode((static_cast<const C*>(o)->*getter)());
        };
        info.set = [setter](TPersistent* o, const TLayoutValue& v, TLayoutContext&) {
            (static_cast<C*>(o)->*setter)(Codec::Decode(v));
        };
        info.defaultValue = Codec::Encode(V(defaultValue));
        return info;
    }

    // A nested object (Font, Constraints): its own properties are set by dotted paths.
    template <class C, class T> TPropertyInfo& Object(const char* name, T* (C::*getter)() const)
    {
        TPropertyInfo& info = Add(name);
        info.object = [getter](TPersistent* o) -> TPersistent* {
            return (static_cast<C*>(o)->*getter)();
        };
        return info;
    }

    // A picture or bitmap given by the name of a program resource; nil clears it.
    template <class C, class T> TPropertyInfo& Resource(const char* name, T* (C::*getter)() const)
    {
        TPropertyInfo& info = Add(name);
        info.get = [getter](const TPersistent* o) {
            const QString resource = (static_cast<const C*>(o)->*getter)()->ResourceName();
            return resource.isEmpty() ? TLayoutValue::Nil() : TLayoutValue::String(resource);
        };
        info.set = [getter](TPersistent* o, const TLayoutValue& v, TLayoutContext&) {
            T* target = (static_cast<C*>(o)->*getter)();
            target->LoadFromResourceName(
                v.kind() == TLayoutValue::Kind::Nil ? QString() : TLayoutCodec<QString>::Decode(v));
        };
        return info;
    }

    // A picture or bitmap given by the name of a program resource, set through a
    // setter that copies it (the setter may do more than store it).
    template <class C, class T>
    TPropertyInfo& Resource(const char* name, T* (C::*getter)() const, void (C::*setter)(const T*))
    {
        TPropertyInfo& info = Resource(name, getter);
        info.set = [setter](TPersistent* o, const TLayoutValue& v, TLayoutContext&) {
            T loaded;
            if (v.kind() != TLayoutValue::Kind::Nil)
                loaded.LoadFromResourceName(TLayoutCodec<QString>::Decode(v));
            (static_cast<C*>(o)->*setter)(&loaded);
        };
        return info;
    }

    // A reference to another component of the form, resolved once the whole layout is read.
    template <class C, class T>
    TPropertyInfo& Reference(const char* name, T* (C::*getter)() const, void (C::*setter)(T*))
    {
        TPropertyInfo& info = Add(name);
        info.get = [getter](const TPersistent* o) {
            T* target = (static_cast<const C*>(o)->*getter)();
            return target ? TLayoutValue::Identifier(target->Name()) : TLayoutValue::Nil();
        };
        info.set = [setter](TPersistent* o, const TLayoutValue& v, TLayoutContext& context) {
            if (v.kind() == TLayoutValue::Kind::Nil) {
                (static_cast<C*>(o)->*setter)(nullptr);
                return;
            }
            if (v.kind() != TLayoutValue::Kind::Identifier)
                layout_detail::Expected("a component name", v);
            context.AddFixup([o, setter, name = v.text(), root = context.Root()] {
                T* target = dynamic_cast<T*>(TLayoutContext(root).FindComponent(name));
                if (!target)
                    throw ELayoutError(QStringLiteral("no suitable component named %1").arg(name));
                (static_cast<C*>(o)->*setter)(target);
            });
        };
        return info;
    }

    // An event, bound by handler name; nil clears it.
    template <class C, class... Args>
    TPropertyInfo& Event(const char* name, TEvent<Args...> C::*member)
    {
        using E = TEvent<Args...>;
        TPropertyInfo& info = Add(name);
        info.get = [member](const TPersistent* o) {
            const E& event = static_cast<const C*>(o)->*member;
            return event.HandlerName().isEmpty() ? TLayoutValue::Nil()
                                                 : TLayoutValue::Identifier(event.HandlerName());
        };
        info.set = [member](TPersistent* o, const TLayoutValue& v, TLayoutContext& context) {
            E& event = static_cast<C*>(o)->*member;
            if (v.kind() == TLayoutValue::Kind::Nil) {
                event.Clear();
                return;
            }
            if (v.kind() != TLayoutValue::Kind::Identifier)
                layout_detail::Expected("a handler name", v);
            event.Bind(v.text(), BindHandler<typename E::Handler>(context, v.text()));
        };
        return info;
    }

    // A handler of a form class, bound by events of that form's layouts.
    template <class F, class... Args> void Handler(const char* name, void (F::*method)(Args...))
    {
        using Fn = typename TEvent<Args...>::Handler;
        THandlerInfo handler;
        handler.name = QString::fromLatin1(name);
        handler.eventType = typeid(Fn);
        handler.bind = [method](TComponent* form) -> std::any {
            F* target = dynamic_cast<F*>(form);
            return Fn([target, method](Args... args) { (target->*method)(args...); });
        };
        m_handlers.push_back(std::move(handler));
    }

    // A field of a form class bound to the form's component of the same name.
    template <class F, class T> void Field(const char* name, T* F::*member)
    {
        TFieldInfo field;
        field.name = QString::fromLatin1(name);
        field.bind = [member](TComponent* form, TComponent* component) {
            T* typed = dynamic_cast<T*>(component);
            dynamic_cast<F*>(form)->*member = typed;
            return typed != nullptr || component == nullptr;
        };
        field.get = [member](const TComponent* form) -> TComponent* {
            return dynamic_cast<const F*>(form)->*member;
        };
        m_fields.push_back(std::move(field));
    }
    // Fields of this class and its parents, the root class's first.
    std::vector<const TFieldInfo*> AllFields() const;

private:
    TPropertyInfo& Add(const char* name);

    template <class Fn> static Fn BindHandler(TLayoutContext& context, const QString& name)
    {
        const THandlerInfo* handler = context.FindHandler(name);
        if (!handler)
            throw ELayoutError(QStringLiteral("unknown handler %1").arg(name));
        if (handler->eventType != typeid(Fn))
            throw ELayoutError(QStringLiteral("handler %1 does not fit this event").arg(name));
        return std::any_cast<Fn>(handler->bind(context.Root()));
    }

    QString m_name;
    const TClassInfo* m_parent;
    Factory m_factory;
    std::vector<std::unique_ptr<TPropertyInfo>> m_properties;
    std::vector<THandlerInfo> m_handlers;
    std::vector<TFieldInfo> m_fields;
};
