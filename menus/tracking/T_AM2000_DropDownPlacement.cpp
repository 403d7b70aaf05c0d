#include "T_AM2000_DropDownPlacement.h"

#include "TCustomPopupMenu2000Form.h"

using Placement = T_AM2000_WindowPlacement;

Placement::Placement T_AM2000_DropDownPlacement::Fit(TCustomPopupMenu2000Form& window,
                                                     Placement::Request request)
{
    request.size = window.size();
    Placement::Placement placement = Placement::Place(request);
    if (placement.scrolling) {
        window.SetScrollHeight(placement.bounds.height());
        request.size = window.size();
        placement = Placement::Place(request);
        placement.scrolling = true;
    }
    window.SetOpening(placement.toLeft, placement.upward);
    return placement;
}
