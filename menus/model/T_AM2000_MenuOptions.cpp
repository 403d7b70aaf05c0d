#include "T_AM2000_MenuOptions.h"

#include "TClassInfo.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_ItemOptions.h"
#include "T_AM2000_UpdatingScope.h"

const TClassInfo& T_AM2000_MenuOptions::StaticClassInfo()
{
    using O = T_AM2000_MenuOptions;
    static const TClassInfo info(
        "T_AM2000_MenuOptions", &T_AM2000_Options::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("Flags", &O::Flags, &O::SetFlags, T_AM2000_Flags());
            c.Property("Opacity", &O::Opacity, &O::SetOpacity, DefaultOpacity);
            c.Property("Animation", &O::Animation, &O::SetAnimation, T_AM2000_Animation::anDefault);
        });
    return info;
}

T_AM2000_MenuOptions::T_AM2000_MenuOptions(I_AM2000_OptionsOwner* owner)
    : T_AM2000_Options(owner)
{}

std::unique_ptr<T_AM2000_MenuOptions>
T_AM2000_MenuOptions::ForDropDown(const T_AM2000_Options& groups, const TMenuItem2000* item,
                                  I_AM2000_OptionsOwner* owner) const
{
    T_AM2000_UpdatingScope updating;
    auto result = std::make_unique<T_AM2000_MenuOptions>(owner);
    result->CopySettings(*this);
    result->SetAnimation(Animation());
    result->SetOpacity(Opacity());
    result->SetFlags(Flags());
    for (const TMenuItem2000* up = item; up; up = up->ParentItem()) {
        if (up->HasOptions() && !up->Options()->HasDefaults())
            result->InheritFrom(*up->Options());
    }
    result->TakeMenuGroups(groups);
    result->ApplySoftColors();
    return result;
}

void T_AM2000_MenuOptions::ApplySoftColors()
{
    if (Flags().Contains(T_AM2000_Flag::mfSoftColors))
        Colors()->MakeSoft();
}
