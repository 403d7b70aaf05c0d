#pragma once

#include "TLayoutCodec.h"

// How the browser window opened by a link label is asked to show itself.
enum class TabcShowWindowStyle {
    aswHide,
    aswMaximize,
    aswMinimize,
    aswRestore,
    aswShow,
    aswShowDefault,
    aswShowMaximized,
    aswShowMinimized,
    aswShowMinNoActivate,
    aswShowNA,
    aswShowNoActivate,
    aswShowNormal
};
T_ENUM_NAMES(TabcShowWindowStyle, "aswHide", "aswMaximize", "aswMinimize", "aswRestore", "aswShow",
             "aswShowDefault", "aswShowMaximized", "aswShowMinimized", "aswShowMinNoActivate",
             "aswShowNA", "aswShowNoActivate", "aswShowNormal");
