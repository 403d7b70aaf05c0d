#include "T_AM2000_BarDropDown.h"

#include "TCustomPopupMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_AnimationKind.h"
#include "T_AM2000_DropDownPlacement.h"
#include "T_AM2000_MenuOpener.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_MenuTracker.h"
#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_WindowPlacement.h"

namespace {

using Placement = T_AM2000_WindowPlacement;

// Below the item, or above it where the screen ends; scrolling where it fits nowhere.
Placement::Placement PlaceBelow(TCustomPopupMenu2000Form& window, const QRect& itemOnScreen)
{
    Placement::Request request;
    request.anchor = QPoint(itemOnScreen.x(), itemOnScreen.y() + itemOnScreen.height());
    request.screen = Placement::ScreenSize();
    request.opener = Placement::Opener::MenuBar;
    request.openerRect = itemOnScreen;
    return T_AM2000_DropDownPlacement::Fit(window, request);
}

} // namespace

TCustomPopupMenu2000Form* T_AM2000_BarDropDown::Open(TCustomPopupMenu2000& menu,
                                                     TMenuItem2000& item, const Request& request)
{
    const QRect& itemOnScreen = request.itemOnScreen;
    menu.SetShowUnderlines(request.underlines);
    TCustomPopupMenu2000Form* window = T_AM2000_MenuTracker::Instance().Open(menu, item);
    const Placement::Placement placement = PlaceBelow(*window, itemOnScreen);
    if (request.raised)
        window->SetOpenBorder(itemOnScreen.x() - placement.bounds.x(), itemOnScreen.width(),
                              placement.upward);
    const T_AM2000_AnimationKind::Resolved kind = T_AM2000_AnimationKind::Resolve(
        window->Options().Animation(), false, true, T_AM2000_SystemSettings::Current());
    T_AM2000_MenuTracker::Instance().Opener().Show(*window, kind, placement, request.systemShadow);
    return window;
}
