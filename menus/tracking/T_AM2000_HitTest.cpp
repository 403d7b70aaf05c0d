#include "T_AM2000_HitTest.h"

#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_DropDownLayout.h"

int T_AM2000_HitTest::At(const TCustomPopupMenu2000Form& window, QPoint point)
{
    for (int i = 0; i < int(window.Entries().size()); ++i) {
        if (window.EntryRect(i).contains(point))
            return i;
    }
    const T_AM2000_DropDownLayout& layout = window.Layout();
    if (layout.DragStripRect().contains(point))
        return TCustomPopupMenu2000Form::DragStrip;
    if (window.HiddenItemsPresent() && layout.ExpandButtonRect().contains(point))
        return TCustomPopupMenu2000Form::ExpandButton;
    return TCustomPopupMenu2000Form::NoEntry;
}
