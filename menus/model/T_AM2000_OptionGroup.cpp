#include "T_AM2000_OptionGroup.h"

#include "TClassInfo.h"
#include "T_AM2000_Options.h"
#include "T_AM2000_UpdatingScope.h"

const TClassInfo& T_AM2000_OptionGroup::StaticClassInfo()
{
    static const TClassInfo info("T_AM2000_OptionGroup", &TPersistent::StaticClassInfo());
    return info;
}

T_AM2000_OptionGroup::T_AM2000_OptionGroup(T_AM2000_Options* options, T_AM2000_GroupKind kind)
    : m_options(options)
    , m_kind(kind)
{}

void T_AM2000_OptionGroup::Changed()
{
    if (T_AM2000_UpdatingScope::Updating() || !m_options)
        return;
    m_options->GroupChanged(m_kind);
}
