#pragma once

#include "TLayoutValue.h"

#include <QString>
#include <functional>

class TPersistent;
class TLayoutContext;

// One published property of a class: how to read it as a layout value, how to set it
// from one, its declared default, and whether its value is stored at all. A nested
// object property (Font, Constraints) instead gives access to the owned object,
// whose own properties are addressed by dotted paths.
struct TPropertyInfo {
    QString name;
    std::function<TLayoutValue(const TPersistent*)> get;
    std::function<void(TPersistent*, const TLayoutValue&, TLayoutContext&)> set;
    std::function<bool(const TPersistent*)> stored;
    std::function<TPersistent*(TPersistent*)> object;
    TLayoutValue defaultValue;

    bool IsObject() const { return bool(object); }
    bool IsStored(const TPersistent* instance) const { return !stored || stored(instance); }
};
