#include "T_AM2000_ItemOptions.h"

#include "TClassInfo.h"

const TClassInfo& T_AM2000_ItemOptions::StaticClassInfo()
{
    using O = T_AM2000_ItemOptions;
    static const TClassInfo info(
        "T_AM2000_ItemOptions", &T_AM2000_Options::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("ParentColors", &O::ParentColors, &O::SetParentColors, true);
            c.Property("ParentMargins", &O::ParentMargins, &O::SetParentMargins, true);
            c.Property("ParentTitle", &O::ParentTitle, &O::SetParentTitle, true);
            c.Property("ParentSkin", &O::ParentSkin, &O::SetParentSkin, true);
        });
    return info;
}

T_AM2000_ItemOptions::T_AM2000_ItemOptions(I_AM2000_OptionsOwner* owner)
    : T_AM2000_Options(owner)
{}

bool T_AM2000_ItemOptions::HasDefaults() const
{
    return T_AM2000_Options::HasDefaults() && ParentColors() && ParentMargins() && ParentTitle() &&
           ParentSkin();
}
