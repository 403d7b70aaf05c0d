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
