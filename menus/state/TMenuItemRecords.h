#pragma once

#include "TComponent.h"
#include "TMenuItemState.h"

#include <map>

class TMenuItem2000;

// What the menu state keeps per item while the program runs: the item's values as its
// stored layout set them (a stored item writes only what differs from them) and when
// the item was last used. An entry goes when its item is freed.
class TMenuItemRecords : public TComponent {
public:
    static TMenuItemRecords& Instance();
    TMenuItemRecords();
    ~TMenuItemRecords() override;

    // The item's present values, with its last use as recorded here.
    TMenuItemState StateOf(const TMenuItem2000& item) const;
    // Takes the item's present values as its layout values.
    void RecordLayout(TMenuItem2000* item);
    // The recorded layout values; a fresh item's values for an item never recorded.
    TMenuItemState LayoutOf(const TMenuItem2000* item) const;
    // Running time in seconds when the item was last used.
    void SetLastTimeUsed(TMenuItem2000* item, quint32 seconds);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct Record {
        std::optional<TMenuItemState> layout;
        std::optional<quint32> lastTimeUsed;
    };
    Record& RecordOf(TMenuItem2000* item);

    std::map<const TComponent*, Record> m_records;
};
