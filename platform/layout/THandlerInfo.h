#pragma once

#include <QString>
#include <any>
#include <functional>
#include <typeindex>

class TComponent;

// An event handler of a form class, found by name when a layout binds an event.
// bind() makes the handler for one form instance; the result holds the event's
// std::function type, which eventType names.
struct THandlerInfo {
    QString name;
    std::type_index eventType = typeid(void);
    std::function<std::any(TComponent* form)> bind;
};

// A published field of a form class: a pointer member that is bound, after the layouts
// are read, to the component of the same name. bind() returns false when the
// component is not of the field's class; get() reads the field.
struct TFieldInfo {
    QString name;
    std::function<bool(TComponent* form, TComponent* component)> bind;
    std::function<TComponent*(const TComponent* form)> get;
};
