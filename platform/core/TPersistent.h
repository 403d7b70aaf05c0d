#pragma once

#include "TObject.h"

// An object whose published state can be copied from another of its kind and that
// can appear as a nested object (Font, Constraints) in a stored layout.
class TPersistent : public TObject {
    T_CLASS_INFO
public:
    // Copies the state of source; raises EInvalidOperation when the kinds do not fit.
    // The base asks source to AssignTo this object, so that a class can teach an older
    // one how to take its state (a blob field filling a picture).
    virtual void Assign(const TPersistent* source);

protected:
    // Copies this object's state into dest; the base raises EInvalidOperation.
    virtual void AssignTo(TPersistent* dest) const;
};
