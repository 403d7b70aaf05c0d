#pragma once

class TMenuItem;

// Stores items' state strings under their menu's key, for an item that was used or
// that the user moved or changed; only in registry mode. Nothing in this program calls
// it yet: demotion is off and the menus are not customisable here.
class TMenuStateWriter {
public:
    // Stores item (the running time now becomes its LastTimeUsed) and, with children,
    // its sub-items the same way. An item without a name is stored as one more added
    // item under its parent in "New Menu Items". Raises EInvalidOperation "Only items of
    // type TMenuItem2000 can be stored" for any other item, ERegistryException when the
    // file cannot be written.
    static void StoreItem(TMenuItem* item, bool children);
};
