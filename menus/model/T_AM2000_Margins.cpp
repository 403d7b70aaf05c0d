#include "T_AM2000_Margins.h"

namespace {

constexpr T_AM2000_Margins::Values marginDefaults = {24, 24, 0, 1, 0, 0, 24, 0, 9};

constexpr std::array<const char*, T_AM2000_Margins::Count> marginNames = {
    "Left", "Right", "Space", "Border", "Bevel", "Frame", "Gutter", "Item", "Separator",
};

} // namespace

const TClassInfo& T_AM2000_Margins::StaticClassInfo()
{
    static const TClassInfo info(
        "T_AM2000_Margins", &T_AM2000_OptionGroup::StaticClassInfo(),
        [](TClassInfo& c) { DeclareSlots(c, marginNames, marginDefaults); });
    return info;
}

T_AM2000_Margins::T_AM2000_Margins(T_AM2000_Options* options)
    : T_AM2000_SlotGroup(options, T_AM2000_GroupKind::Margins, marginDefaults)
{}

void T_AM2000_Margins::Assign(const TPersistent* source)
{
    const auto* margins = dynamic_cast<const T_AM2000_Margins*>(source);
    if (!margins) {
        TPersistent::Assign(source);
        return;
    }
    CopyValues(*margins);
}
