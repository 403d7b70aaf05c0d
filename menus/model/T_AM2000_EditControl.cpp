#include "T_AM2000_EditControl.h"

#include "TClassInfo.h"

const TClassInfo& T_AM2000_EditControl::StaticClassInfo()
{
    using E = T_AM2000_EditControl;
    static const TClassInfo info(
        "T_AM2000_EditControl", &T_AM2000_MenuControl::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true);
            c.Property("Color", &E::Color, &E::SetColor, clWindow);
            c.Property("MaxLength", &E::MaxLength, &E::SetMaxLength, 0);
            c.Property("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false);
            c.Property("Text", &E::Text, &E::SetText, QString());
            c.Property("MinWidth", &E::MinWidth, &E::SetMinWidth, 0);
        });
    return info;
}
