#pragma once

#include "TPersistent.h"
#include "T_AM2000_Types.h"

class T_AM2000_Options;

// Base of the four option groups (colours, margins, title, skin). A group belongs to one
// options object; every change of one of its values goes through Changed().
class T_AM2000_OptionGroup : public TPersistent {
    T_CLASS_INFO
public:
    T_AM2000_OptionGroup(T_AM2000_Options* options, T_AM2000_GroupKind kind);

    T_AM2000_Options* Options() const { return m_options; }
    T_AM2000_GroupKind Kind() const { return m_kind; }
    // Whether every value equals its declared default.
    virtual bool IsDefault() const = 0;

protected:
    // Unless the global updating counter is raised: asks the options' owner to refresh,
    // then makes the options object stop inheriting this group.
    void Changed();

private:
    T_AM2000_Options* m_options;
    T_AM2000_GroupKind m_kind;
};
