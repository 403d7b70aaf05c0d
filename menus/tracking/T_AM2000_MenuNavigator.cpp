#include "T_AM2000_MenuNavigator.h"

#include "TCustomMainMenu2000.h"
#include "TMenuItem2000.h"
#include "TPopupMenu2000Form.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChain.h"
#include "T_AM2000_MenuHints.h"
#include "T_AM2000_MenuOpener.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_Separator.h"

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

T_AM2000_MenuNavigator::T_AM2000_MenuNavigator(T_AM2000_MenuChain& chain,
                                               T_AM2000_MenuOpener& opener,
                                               T_AM2000_MenuBarList& bars)
    : m_chain(chain)
    , m_opener(opener)
    , m_bars(bars)
{
    // A window that opened with an entry selected opens its submenu after the delay.
    m_opener.SetOpened([this](Form& window) {
        if (window.EntryAt(window.Selected()))
            StartSubmenuTimer(window, false);
    });
}

void T_AM2000_MenuNavigator::SelectEntry(Form& window, int index)
{
    TMenuItem2000* old = window.EntryAt(window.Selected());
    if (index == window.Selected())
        return;
    window.SetSelected(index);
    T_AM2000_MenuOpener::ShowChanges(window);
    if (old)
        old->OnExit(old);
    TMenuItem2000* item = window.EntryAt(index);
    if (item)
        item->OnEnter(item);
    T_AM2000_MenuHints::Show(item, TCustomMainMenu2000::OfItem(window.Item()));
}

void T_AM2000_MenuNavigator::MoveSelection(Form& window, int index, bool wrap)
{
    const int count = int(window.Entries().size());
    if (count == 0)
        return;
    const int step = index < window.Selected() ? -1 : 1;
    if (index >= count) {
        if (!wrap)
            return;
        if (window.HiddenItemsPresent() && !window.Expanded()) {
            Expand(window);
            return;
        }
        index = 0;
    }
    if (index < 0) {
        if (!wrap)
            return;
        index = count - 1;
    }
    const int start = index;
    do {
        if (Selectable(window, index)) {
            window.ScrollToShow(index);
            SelectEntry(window, index);
            return;
        }
        index += step;
        if (!wrap && (index < 0 || index >= count))
            return;
        index = (index + count) % count;
    } while (index != start);
}

bool T_AM2000_MenuNavigator::Selectable(const Form& window, int index) const
{
    const TMenuItem2000& item = *window.EntryAt(index);
    if (T_AM2000_Separator::IsSeparator(item.Caption()))
        return false;
    return item.Enabled() || !window.Options().Flags().Contains(T_AM2000_Flag::mfNoHighDisabled);
}

void T_AM2000_MenuNavigator::OpenSubmenu(Form& window, bool selectFirst)
{
    const int selected = window.Selected();
    TMenuItem2000* item = window.HasSubmenuAt(selected) ? window.EntryAt(selected) : nullptr;
    if (item && window.ChildShowsSelected())
        return;
    m_chain.CloseChildOf(window);
    if (!item)
        return;
    item->Click();
    auto* child = new TPopupMenu2000Form(window.Menu(), *item, &window);
    m_chain.AddChild(window, *child);
    if (selectFirst)
        MoveSelection(*child, 0);
    m_opener.ShowSubmenu(*child);
}

void T_AM2000_MenuNavigator::OpenContextMenu(Form& window, int index, QPoint cursor)
{
    TMenuItem2000& item = *window.EntryAt(index);
    m_chain.CloseChildOf(window);
    SelectEntry(window, index);
    auto* child = new TPopupMenu2000Form(window.Menu(), item, &window, Form::Contents::ContextMenu);
    if (child->Entries().empty()) {
        delete child;
        return;
    }
    m_chain.AddChild(window, *child);
    m_opener.ShowContextMenu(*child, cursor);
}

// A window with nothing hidden is left as it is.
void T_AM2000_MenuNavigator::Expand(Form& window)
{
    if (window.Expanded() || !window.HiddenItemsPresent())
        return;
    m_chain.CloseChildOf(window);
    SelectEntry(window, Form::NoEntry);
    const int fromHeight =
        window.Layout().WindowSize().height() - T_AM2000_DropDownLayout::ExpandButtonHeight;
    window.SetExpanded(true);
    if (window.Scrolling())
        T_AM2000_MenuOpener::ShowChanges(window);
    else
        m_opener.SlideExpansion(window, fromHeight);
}

void T_AM2000_MenuNavigator::StartSubmenuTimer(Form& window, bool quick)
{
    Timer::Instance().Start(quick ? Timer::QuickSubmenuDelay : Timer::SubmenuDelay,
                            T_AM2000_TimerCallback::tcSubmenu, &window,
                            [this, &window] { SubmenuTimerFired(window); });
}

void T_AM2000_MenuNavigator::StopSubmenuTimer()
{
    Timer& timer = Timer::Instance();
    if (timer.TimerPending(Timer::SubmenuDelay, T_AM2000_TimerCallback::tcSubmenu) ||
        timer.TimerPending(Timer::QuickSubmenuDelay, T_AM2000_TimerCallback::tcSubmenu))
        timer.Stop();
}

void T_AM2000_MenuNavigator::SubmenuTimerFired(Form& window)
{
    if (!window.ChildShowsSelected())
        OpenSubmenu(window, false);
}

void T_AM2000_MenuNavigator::CloseWindow(Form& window)
{
    Timer::Instance().Stop();
    if (Form* parent = window.ParentWindow())
        m_chain.CloseChildOf(*parent);
    else
        CloseAllMenus(true);
}

void T_AM2000_MenuNavigator::CloseAllMenus(bool resetBars)
{
    Timer::Instance().Stop();
    TCustomMainMenu2000* closed = nullptr;
    if (const Form* top = m_chain.TopWindow()) {
        closed = top->ItemFreed() ? nullptr : TCustomMainMenu2000::OfItem(top->Item());
        T_AM2000_MenuHints::Show(nullptr, closed);
        m_chain.Release();
    }
    if (resetBars)
        m_bars.ResetAll();
    // Told last, when the bars are idle again; not when another drop-down takes over.
    if (closed && resetBars)
        closed->OnMenuClose(closed);
}
