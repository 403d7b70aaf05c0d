#pragma once

// What an options object needs from whoever holds it (a menu, a popup menu, an item, a
// shared skin component).
class I_AM2000_OptionsOwner {
public:
    // Shows the changed options: a main menu refreshes its menu bars and open
    // drop-downs, a popup menu its open window, an item its menu.
    virtual void OptionsChanged() = 0;
    // True when a shared skin component supplies the owner's option groups; they are
    // then not stored with the owner.
    virtual bool OptionGroupsShared() const { return false; }

protected:
    ~I_AM2000_OptionsOwner() = default;
};
