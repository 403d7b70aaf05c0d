#pragma once

#include "TObject.h"

// An object whose published state can be copied from another of its kind and that
// can appear as a nested object (Font, Constraints) in a stored layout.
class TPersistent : public TObject {
    T_CLASS_INFO
public:
    // Copies the state of source; raises EInvalidOperation when the kinds do not fit.
    virtual void Assign(const TPersistent* source);
};
