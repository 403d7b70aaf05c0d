#include "T_AM2000_MenuPointer.h"

#include "TCustomMainMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "TMenuItem2000.h"
#include "T_AM2000_HitTest.h"
#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChain.h"
#include "T_AM2000_MenuChooser.h"
#include "T_AM2000_MenuHints.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_MenuOpener.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_MenuScroller.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_ScrollView.h"

#include <QCursor>
#include <QMouseEvent>

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

namespace {

bool IsScrollZone(int hit)
{
    return hit <= T_AM2000_ScrollView::Thumb && hit >= T_AM2000_ScrollView::LineUp;
}

} // namespace

T_AM2000_MenuPointer::T_AM2000_MenuPointer(T_AM2000_MenuChain& chain,
                                           T_AM2000_MenuNavigator& navigator,
                                           T_AM2000_MenuChooser& chooser,
                                           T_AM2000_MenuBarList& bars)
    : m_chain(chain)
    , m_navigator(navigator)
    , m_chooser(chooser)
    , m_bars(bars)
    , m_scroller(std::make_unique<T_AM2000_MenuScroller>(&T_AM2000_MenuOpener::ShowChanges))
{}

T_AM2000_MenuPointer::~T_AM2000_MenuPointer() = default;

// A window holding the pressed button gets the moves and the release wherever the
// pointer is: they go to the chain window under it. That holds for a menu bar whose item
// was pressed too, so that the button dragged onto an entry and released there chooses it.
bool T_AM2000_MenuPointer::Route(QObject* watched, QEvent* event)
{
    // An entry's edit box handles its own mouse input.
    if (m_chain.HoldsWidget(watched))
        return false;
    // A window being hidden or freed is out of the chain's input.
    const bool fromChain = m_chain.InChain(watched) && static_cast<QWidget*>(watched)->isVisible();
    if (event->type() == QEvent::Leave) {
        if (fromChain)
            MouseLeave(*static_cast<Form*>(watched), QCursor::pos());
        return false;
    }
    const auto& mouse = *static_cast<QMouseEvent*>(event);
    const QPoint global = mouse.globalPosition().toPoint();
    Form* window = m_chain.WindowAt(global);
    if (!window)
        return fromChain;
    const QPoint point = global - window->ScreenRect().topLeft();
    if (event->type() == QEvent::MouseMove)
        MouseMove(*window, point);
    else if (mouse.button() == Qt::LeftButton)
        MouseUp(*window, point);
    else if (mouse.button() == Qt::RightButton)
        RightMouseUp(*window, point);
    return true;
}

// A press on a widget of a chain window's own (an entry's edit box) is left to it.
bool T_AM2000_MenuPointer::Press(QObject* watched, const QMouseEvent& event)
{
    const QPoint global = event.globalPosition().toPoint();
    if (m_chain.InChain(watched)) {
        Form* window = m_chain.WindowAt(global);
        if (window && event.button() == Qt::LeftButton)
            MouseDown(*window, global - window->ScreenRect().topLeft());
        return true;
    }
    if (!m_chain.HoldsWidget(watched) && !m_bars.Over(global))
        m_navigator.CloseAllMenus(true);
    return false;
}

void T_AM2000_MenuPointer::MouseMove(Form& window, QPoint point)
{
    if (m_scroller->Drag(window, point))
        return;
    StopLeaveTimer();
    ReselectOpener(window);
    const int hit = T_AM2000_HitTest::At(window, point);
    if (hit == window.Selected()) {
        if (TMenuItem2000* item = window.EntryAt(hit)) {
            const QPoint corner = window.ShownEntryRect(hit).topLeft();
            item->OnMouseMove(item, TShiftState(), point.x() - corner.x(), point.y() - corner.y());
        }
        return;
    }
    // A submenu waits for the pointer to rest on one entry, not for it to stand still.
    m_navigator.StopSubmenuTimer();
    m_navigator.SelectEntry(window, hit);
    if (hit == Form::ExpandButton) {
        m_chain.CloseChildOf(window);
        if (!window.Options().Flags().Contains(T_AM2000_Flag::mfNoAutoShowHidden))
            Timer::Instance().Start(Timer::ExpandDelay, T_AM2000_TimerCallback::tcExpand, &window,
                                    [this, &window] { m_navigator.Expand(window); });
        return;
    }
    const bool childOpen = window.ChildWindow() != nullptr;
    const bool submenu = window.HasSubmenuAt(hit);
    if (childOpen || submenu)
        m_navigator.StartSubmenuTimer(window, childOpen && submenu);
}

// The pointer in a submenu keeps its opener selected in the parent window.
void T_AM2000_MenuPointer::ReselectOpener(Form& window)
{
    Form* parent = window.ParentWindow();
    if (!parent)
        return;
    const int opener = parent->IndexOf(&window.Item());
    if (parent->Selected() == opener)
        return;
    m_navigator.StopSubmenuTimer();
    m_navigator.SelectEntry(*parent, opener);
}

void T_AM2000_MenuPointer::StopLeaveTimer()
{
    Timer& timer = Timer::Instance();
    if (timer.TimerPending(Timer::LeaveDelay, T_AM2000_TimerCallback::tcLeave))
        timer.Stop();
}

void T_AM2000_MenuPointer::MouseLeave(Form& window, QPoint screenPoint)
{
    if (!window.ChildShowsSelected())
        m_navigator.SelectEntry(window, Form::NoEntry);
    T_AM2000_MenuHints::Show(nullptr, TCustomMainMenu2000::OfItem(window.Item()));
    if (m_hotTracking && !m_chain.WindowAt(screenPoint) && !m_bars.Over(screenPoint))
        Timer::Instance().Start(Timer::LeaveDelay, T_AM2000_TimerCallback::tcLeave, &window,
                                [this, &window] { m_navigator.CloseWindow(window); });
}

void T_AM2000_MenuPointer::MouseDown(Form& window, QPoint point)
{
    const int hit = T_AM2000_HitTest::At(window, point);
    if (!IsScrollZone(hit))
        return;
    m_chain.CloseChildOf(window);
    m_scroller->Press(window, hit, point);
}

// A click in the chain outside the edit box ends editing without taking the text.
void T_AM2000_MenuPointer::MouseUp(Form& window, QPoint point)
{
    m_chooser.EndEditing(nullptr);
    const bool scrolled = m_scroller->Holding();
    m_scroller->Release();
    const int hit = T_AM2000_HitTest::At(window, point);
    if (scrolled || hit == Form::NoEntry || hit == Form::DragStrip || IsScrollZone(hit))
        return;
    if (hit == Form::ExpandButton) {
        m_navigator.Expand(window);
        return;
    }
    m_navigator.SelectEntry(window, hit);
    m_chooser.ClickSelected(window);
}

void T_AM2000_MenuPointer::RightMouseUp(Form& window, QPoint point)
{
    const int hit = T_AM2000_HitTest::At(window, point);
    TMenuItem2000* item = window.EntryAt(hit);
    if (!item)
        return;
    if (TCustomMainMenu2000* mainMenu = TCustomMainMenu2000::OfItem(*item))
        mainMenu->OnContextMenu(mainMenu);
    // The handler may have closed the menus, or freed or moved the item.
    if (!m_chain.InChain(&window) || !window.isVisible())
        return;
    const int index = window.IndexOf(item);
    if (index != Form::NoEntry && item->PopupMenu())
        m_navigator.OpenContextMenu(window, index, window.ScreenRect().topLeft() + point);
}
