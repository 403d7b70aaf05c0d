#include "T_AM2000_MenuOpener.h"

#include "TCustomMainMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_DropDownPlacement.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_SelectionFade.h"
#include "T_AM2000_SystemSettings.h"

namespace {

using Form = TCustomPopupMenu2000Form;
using Placement = T_AM2000_WindowPlacement;

// What the parent remembered for its submenus when it opened; for a parent that opened
// without that, what the menu's animation gives submenus.
T_AM2000_Animation SubmenuAnimationOf(const Form& child, const T_AM2000_SystemSettings& settings)
{
    return child.ParentWindow()->SubmenuAnimation().value_or(
        T_AM2000_AnimationKind::Resolve(child.Options().Animation(), false, false, settings)
            .submenus);
}

// Beside the parent, overlapping it (over its scroll bar while it scrolls), with the
// submenu's first entry level with its opener as shown.
QPoint SubmenuAnchor(const Form& parent)
{
    const T_AM2000_DropDownLayout& layout = parent.Layout();
    const int border = parent.Options().Margins()->ValueAt(T_AM2000_Margins::Border);
    int top = parent.ShownEntryRect(parent.Selected()).y() - layout.Bevel() - border;
    if (layout.OuterFrame())
        top -= T_AM2000_DropDownLayout::OuterFrameWidth;
    const int left = parent.OpensLeft()
                         ? T_AM2000_MenuOpener::SubmenuOverlap
                         : layout.WindowSize().width() - T_AM2000_MenuOpener::SubmenuOverlap;
    return parent.ScreenRect().topLeft() + QPoint(left, top);
}

// Beside its parent, flipped to the other side or moved up where the screen ends; a
// submenu higher than the screen scrolls.
Placement::Request SubmenuRequest(const Form& parent)
{
    Placement::Request request;
    request.anchor = SubmenuAnchor(parent);
    request.screen = Placement::ScreenSize();
    request.opener = Placement::Opener::Submenu;
    request.openerRect = parent.ScreenRect();
    request.parentOpenedLeft = parent.OpensLeft();
    return request;
}

// At the cursor, as a popup menu opens: moved in where the screen ends, above the cursor
// where there is no room below.
Placement::Request CursorRequest(QPoint cursor)
{
    Placement::Request request;
    request.anchor = cursor;
    request.screen = Placement::ScreenSize();
    request.opener = Placement::Opener::Other;
    request.openerRect = QRect(cursor, QSize());
    return request;
}

// Submenus of the top window are at depth 1, theirs at 2, ...
int DepthOf(const Form& window)
{
    int depth = 0;
    for (const Form* parent = window.ParentWindow(); parent; parent = parent->ParentWindow())
        ++depth;
    return depth;
}

} // namespace

void T_AM2000_MenuOpener::ShowAt(Form& window, QPoint screenPosition)
{
    Host(window);
    window.ShowAt(screenPosition);
}

// A window is lent a kept native window once, before it first shows.
void T_AM2000_MenuOpener::Host(Form& window)
{
    if (window.isWindow())
        m_pool.Lend(window, T_AM2000_WindowPool::Role::DropDown, DepthOf(window));
}

void T_AM2000_MenuOpener::ShowSubmenu(Form& child)
{
    ShowAnimated(child, SubmenuRequest(*child.ParentWindow()));
}

void T_AM2000_MenuOpener::ShowContextMenu(Form& child, QPoint cursor)
{
    ShowAnimated(child, CursorRequest(cursor));
}

void T_AM2000_MenuOpener::ShowPopup(Form& window, QPoint cursor)
{
    const T_AM2000_SystemSettings settings = T_AM2000_SystemSettings::Current();
    Show(window,
         T_AM2000_AnimationKind::Resolve(window.Options().Animation(), false, false, settings),
         T_AM2000_DropDownPlacement::Fit(window, CursorRequest(cursor)), false);
}

// The animation its parent gives submenus, at the menu's opacity, placed on the screen,
// above the chain's windows.
void T_AM2000_MenuOpener::ShowAnimated(Form& child, const Placement::Request& request)
{
    const T_AM2000_SystemSettings settings = T_AM2000_SystemSettings::Current();
    const Placement::Placement placement = T_AM2000_DropDownPlacement::Fit(child, request);
    const T_AM2000_AnimationKind::Resolved kind = T_AM2000_AnimationKind::Resolve(
        SubmenuAnimationOf(child, settings), false, false, settings);
    const TCustomMainMenu2000* mainMenu = TCustomMainMenu2000::OfItem(child.Item());
    Show(child, kind, placement, mainMenu && mainMenu->SystemShadow());
}

void T_AM2000_MenuOpener::Show(Form& window, const T_AM2000_AnimationKind::Resolved& kind,
                               const Placement::Placement& placement, bool systemShadow)
{
    const T_AM2000_SystemSettings settings = T_AM2000_SystemSettings::Current();
    Host(window);
    window.SetSubmenuAnimation(kind.submenus);
    T_AM2000_MenuAnimator::Opening opening;
    opening.kind = kind.shown;
    opening.bounds = placement.bounds;
    opening.toLeft = placement.toLeft;
    opening.upward = placement.upward;
    for (Form* above = window.ParentWindow(); above; above = above->ParentWindow())
        opening.chain.insert(opening.chain.begin(), above);
    opening.opacity = window.Options().Opacity();
    opening.layered = settings.layeredWindows;
    // Where the window system composes nothing, a chosen entry's picture fades into the
    // screen as it was before the window showed.
    const TCustomMainMenu2000* mainMenu = TCustomMainMenu2000::OfItem(window.Item());
    if (!settings.layeredWindows &&
        T_AM2000_SelectionFade::Wanted(kind.shown, mainMenu && mainMenu->SystemSelectionFade(),
                                       settings))
        T_AM2000_Desktop::Instance().Capture(opening.bounds);
    T_AM2000_DropShadow* shadow = nullptr;
    if (T_AM2000_DropShadow::Wanted(window.Options().Flags(), systemShadow, settings)) {
        shadow =
            new T_AM2000_DropShadow(&window, T_AM2000_Desktop::Instance(), settings.layeredWindows);
        m_pool.Lend(*shadow, T_AM2000_WindowPool::Role::Shadow, DepthOf(window),
                    settings.layeredWindows);
    }
    // The window's fixed size would keep it from growing.
    window.setMinimumSize(1, 1);
    auto* animator = new T_AM2000_MenuAnimator(&window);
    animator->SetFinished([this, &window] {
        if (m_opened)
            m_opened(window);
    });
    animator->Start(window.ShownImage(), opening, shadow);
}

void T_AM2000_MenuOpener::SlideExpansion(Form& window, int fromHeight)
{
    T_AM2000_MenuAnimator* animator = T_AM2000_MenuAnimator::Of(window);
    if (!animator)
        animator = new T_AM2000_MenuAnimator(&window);
    window.setMinimumSize(1, 1);
    animator->Expand(window.ShownImage(), window.ScreenRect(), fromHeight);
}

// While an animator paints the window it shows the image it was given last.
void T_AM2000_MenuOpener::ShowChanges(Form& window)
{
    if (T_AM2000_MenuAnimator* animator = T_AM2000_MenuAnimator::Of(window))
        animator->UpdateImage(window.ShownImage());
}

T_AM2000_Animation T_AM2000_MenuOpener::OpenedWith(const Form& window)
{
    const T_AM2000_MenuAnimator* animator = T_AM2000_MenuAnimator::Of(window);
    const auto opened = animator ? animator->OpenedWith() : std::nullopt;
    return opened.value_or(T_AM2000_AnimationKind::Resolve(window.Options().Animation(), false,
                                                           false,
                                                           T_AM2000_SystemSettings::Current())
                               .shown);
}
