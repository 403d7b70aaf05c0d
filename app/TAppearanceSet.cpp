#include "TAppearanceSet.h"

const TAppearanceSet& TAppearanceSet::Default()
{
    static const TAppearanceSet set{{QStringLiteral("IMGLEFTUP"), QStringLiteral("TOP"),
                                     QStringLiteral("IMGRIGHTUP"), QStringLiteral("imgLeft"),
                                     QStringLiteral("imgRight"), QStringLiteral("imgLeftDown"),
                                     QStringLiteral("imgDownMin"), QStringLiteral("imgRightDown")},
                                    clBlack};
    return set;
}

const TAppearanceSet& TAppearanceSet::Alternative()
{
    // RGB 127, 79, 96 with red in the low byte.
    static const TAppearanceSet set{
        {QStringLiteral("IMGLEFTUP1"), QStringLiteral("TOP1"), QStringLiteral("IMGRIGHTUP1"),
         QStringLiteral("imgLeft1"), QStringLiteral("imgRight1"), QStringLiteral("imgLeftDown1"),
         QStringLiteral("imgDownMin1"), QStringLiteral("imgRightDown1")},
        TColor(6311807)};
    return set;
}
