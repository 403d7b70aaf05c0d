#pragma once

#include "T_AM2000_Options.h"

#include <memory>

class TMenuItem2000;

// The options of a menu; besides the common options it publishes the drop-down
// windows' Flags, Opacity and Animation. It also builds the effective options of each
// drop-down window.
class T_AM2000_MenuOptions : public T_AM2000_Options {
    T_CLASS_INFO
public:
    explicit T_AM2000_MenuOptions(I_AM2000_OptionsOwner* owner = nullptr);

    // The effective options of the drop-down window of item's submenu in the menu with
    // these options, whose groups come from groups (the menu's own options, or those of
    // its shared skin component). Settings and flags come from the menu; walking from
    // item up to the root, each item with options that are not default overrides the
    // settings (the outermost wins), and the nearest item that does not inherit a group
    // decides it; a group nobody decides is the menu's own, or the defaults. With
    // mfSoftColors the colours are converted. item may be nullptr for the menu's own
    // level. Built under the updating counter; the caller owns the result (its owner is
    // owner).
    std::unique_ptr<T_AM2000_MenuOptions> ForDropDown(const T_AM2000_Options& groups,
                                                      const TMenuItem2000* item,
                                                      I_AM2000_OptionsOwner* owner = nullptr) const;

    // With mfSoftColors, converts this options' colours to the soft palette once.
    void ApplySoftColors();
};
