#include "TCustomAnimatedSkin2000.h"

#include "TClassInfo.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_Options.h"
#include "T_AM2000_Skin.h"
#include "T_AM2000_Title.h"

const TClassInfo& TCustomAnimatedSkin2000::StaticClassInfo()
{
    using S = TCustomAnimatedSkin2000;
    static const TClassInfo info(
        "TCustomAnimatedSkin2000", &T_AM2000_AnimatedSkin::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TCustomAnimatedSkin2000>();
            const auto storedIfSet = [](T_AM2000_GroupKind kind) {
                return [kind](const TPersistent* o) {
                    return static_cast<const S*>(o)->Groups().HasOwnGroup(kind);
                };
            };
            c.Object("Title", &S::Title).stored = storedIfSet(T_AM2000_GroupKind::Title);
            c.Object("Colors", &S::Colors).stored = storedIfSet(T_AM2000_GroupKind::Colors);
            c.Object("Margins", &S::Margins).stored = storedIfSet(T_AM2000_GroupKind::Margins);
            c.Object("Skin", &S::Skin).stored = storedIfSet(T_AM2000_GroupKind::Skin);
        });
    return info;
}

TCustomAnimatedSkin2000::TCustomAnimatedSkin2000(TComponent* owner)
    : T_AM2000_AnimatedSkin(owner)
{}
