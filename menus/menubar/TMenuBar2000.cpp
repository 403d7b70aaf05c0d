#include "TMenuBar2000.h"

#include "TClassInfo.h"
#include "TCustomMainMenu2000.h"

const TClassInfo& TMenuBar2000::StaticClassInfo()
{
    using B = TMenuBar2000;
    static const TClassInfo info(
        "TMenuBar2000", &TCustomMenuBar2000::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TMenuBar2000>();
            c.Property("Transparent", &B::Transparent, &B::SetTransparent, false);
            c.Property("Version", &B::Version, &B::SetVersion, QString()).stored =
                [](const TPersistent*) { return false; };
            c.Property("Flat", &B::Flat, &B::SetFlat, T_AM2000_FlatStyle::fsDefault);
            c.Reference("Menu", &B::Menu, &B::SetMenu);
            c.Property("HotTrack", &B::HotTrack, &B::SetHotTrack, false);
            c.Event("OnPopup", &B::OnPopup);
        });
    return info;
}

TMenuBar2000::TMenuBar2000(TComponent* owner)
    : TCustomMenuBar2000(owner)
{}
