#include "T_AM2000_HitTest.h"

#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_ScrollView.h"

int T_AM2000_HitTest::At(const TCustomPopupMenu2000Form& window, QPoint point)
{
    for (int i = window.FirstShown(); i <= window.LastShown(); ++i) {
        if (window.ShownEntryRect(i).contains(point))
            return i;
    }
    if (const T_AM2000_ScrollView* scroll = window.ScrollView()) {
        if (const int zone = scroll->ZoneAt(point); zone != T_AM2000_ScrollView::NoZone)
            return zone;
    }
    if (window.Layout().DragStripRect().contains(point))
        return TCustomPopupMenu2000Form::DragStrip;
    if (window.HiddenItemsPresent() && window.ShownExpandButtonRect().contains(point))
        return TCustomPopupMenu2000Form::ExpandButton;
    return TCustomPopupMenu2000Form::NoEntry;
}
