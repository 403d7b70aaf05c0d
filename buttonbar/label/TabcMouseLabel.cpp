#include "TabcMouseLabel.h"

#include "TClassInfo.h"
#include "TabcCustomWaveList.h"

namespace {

using TDefaults = TabcCustomMouseLabel::TMouseDefaults;

// A label class may start with other effects than this one (the link label does), so
// these properties are stored whenever they differ from what the instance's own class
// starts with, rather than from one declared value.
template <class V>
void StoredAgainstClassDefault(TPropertyInfo& property, V (TabcCustomMouseLabel::*getter)() const,
                               V TDefaults::*defaultValue)
{
    property.defaultValue = TLayoutValue::Nil();
    property.stored = [getter, defaultValue](const TPersistent* o) {
        const auto* label = static_cast<const TabcCustomMouseLabel*>(o);
        return (label->*getter)() != label->MouseDefaults().*defaultValue;
    };
}

} // namespace

const TClassInfo& TabcMouseLabel::StaticClassInfo()
{
    static const TClassInfo info(
        "TabcMouseLabel", &TabcCustomMouseLabel::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TabcMouseLabel>();
            StoredAgainstClassDefault(c.Property("MouseDownColor", &TabcMouseLabel::MouseDownColor,
                                                 &TabcMouseLabel::SetMouseDownColor, clNone),
                                      &TabcCustomMouseLabel::MouseDownColor, &TDefaults::downColor);
            StoredAgainstClassDefault(
                c.Property("MouseDownEffects", &TabcMouseLabel::MouseDownEffects,
                           &TabcMouseLabel::SetMouseDownEffects, TabcLabelMouseEffects()),
                &TabcCustomMouseLabel::MouseDownEffects, &TDefaults::downEffects);
            StoredAgainstClassDefault(c.Property("MouseOverColor", &TabcMouseLabel::MouseOverColor,
                                                 &TabcMouseLabel::SetMouseOverColor, clNone),
                                      &TabcCustomMouseLabel::MouseOverColor, &TDefaults::overColor);
            StoredAgainstClassDefault(
                c.Property("MouseOverEffects", &TabcMouseLabel::MouseOverEffects,
                           &TabcMouseLabel::SetMouseOverEffects, TabcLabelMouseEffects()),
                &TabcCustomMouseLabel::MouseOverEffects, &TDefaults::overEffects);
            c.Reference("SoundList", &TabcMouseLabel::SoundList, &TabcMouseLabel::SetSoundList);
            c.Property("SoundDown", &TabcMouseLabel::SoundDown, &TabcMouseLabel::SetSoundDown, 0);
            c.Property("SoundOver", &TabcMouseLabel::SoundOver, &TabcMouseLabel::SetSoundOver, 0);
            c.Event("OnMouseEnter", &TabcMouseLabel::OnMouseEnter);
            c.Event("OnMouseLeave", &TabcMouseLabel::OnMouseLeave);
        });
    return info;
}

TabcMouseLabel::TabcMouseLabel(TComponent* owner)
    : TabcCustomMouseLabel(owner)
{}
