#pragma once

#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_Types.h"

#include <functional>

// Which way a drop-down window opens: the resolution of a menu's Animation into the
// kind this window shows and the kind remembered for the submenus it opens, and what
// each kind does.
class T_AM2000_AnimationKind {
public:
    // Picks one of two equally likely outcomes; true means the vertical slide.
    using Coin = std::function<bool()>;

    struct Resolved {
        T_AM2000_Animation shown = T_AM2000_Animation::anNone;
        T_AM2000_Animation submenus = T_AM2000_Animation::anNone;
        bool operator==(const Resolved&) const = default;
    };

    // requested is the menu's Animation, or for a submenu the kind its opener
    // remembered. noAnimation: opened in no-animation mode or while customising.
    // fromMenuBar: a drop-down of a menu bar item.
    static Resolved Resolve(T_AM2000_Animation requested, bool noAnimation, bool fromMenuBar,
                            const T_AM2000_SystemSettings& settings, const Coin& coin = FairCoin);

    static bool GrowsHorizontally(T_AM2000_Animation kind);
    static bool GrowsVertically(T_AM2000_Animation kind);
    // The image is scaled to the growing size.
    static bool Stretches(T_AM2000_Animation kind);
    // The image is uncovered in place.
    static bool Rolls(T_AM2000_Animation kind);

    static bool FairCoin();

private:
    static Resolved ResolveDefault(bool fromMenuBar, const T_AM2000_SystemSettings& settings);
};
