#include "T_AM2000_MenuChain.h"

#include "TCustomPopupMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "TMenu.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuOpener.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_MenuWatch.h"

#include <QTimer>

namespace {

using Form = TCustomPopupMenu2000Form;

// item is root or lies below it; only items of the tree are read.
bool InTree(const TMenuItem& root, const TMenuItem* item)
{
    if (&root == item)
        return true;
    for (int i = 0; i < root.Count(); ++i) {
        if (InTree(*root.Items(i), item))
            return true;
    }
    return false;
}

} // namespace

T_AM2000_MenuChain::T_AM2000_MenuChain() = default;

T_AM2000_MenuChain::~T_AM2000_MenuChain()
{
    disconnect(m_topGone);
}

void T_AM2000_MenuChain::Adopt(Form& top, TMenuItem2000& item)
{
    m_top = &top;
    m_topAlive = &top;
    m_watch = std::make_unique<T_AM2000_MenuWatch>(
        item.GetParentMenu(), [this](bool rebuild) { ItemsChanged(rebuild); },
        [this] { m_handlers.lost(); });
    m_topGone = connect(&top, &QObject::destroyed, this, [this] { TopWindowGone(); });
    Track(top);
}

void T_AM2000_MenuChain::AddChild(Form& parent, Form& child)
{
    parent.SetChildWindow(&child);
    m_children.emplace_back(&child);
    Track(child);
}

void T_AM2000_MenuChain::Track(Form& window)
{
    window.setMouseTracking(true);
    if (TMenuViewers* listed = window.ListedViewers(); listed && m_watch)
        m_watch->Add(*listed);
    window.SetEntryFreedHandler([this] { EntryFreed(); });
    // Below the top, the window that lists the item takes the change in.
    window.SetItemFreedHandler([this, &window] {
        if (&window == TopWindow())
            m_handlers.lost();
    });
}

TCustomPopupMenu2000* T_AM2000_MenuChain::CurrentMenu() const
{
    const Form* top = TopWindow();
    return top ? &top->Menu() : nullptr;
}

Form* T_AM2000_MenuChain::DeepestWindow() const
{
    Form* window = TopWindow();
    while (window && window->ChildWindow())
        window = window->ChildWindow();
    return window;
}

Form* T_AM2000_MenuChain::WindowAt(QPoint screenPoint) const
{
    for (Form* window = DeepestWindow(); window; window = window->ParentWindow()) {
        if (window->isVisible() && window->ScreenRect().contains(screenPoint))
            return window;
    }
    return nullptr;
}

bool T_AM2000_MenuChain::InChain(const QObject* object) const
{
    for (const Form* window = DeepestWindow(); window; window = window->ParentWindow()) {
        if (window == object)
            return true;
    }
    return false;
}

bool T_AM2000_MenuChain::HoldsWidget(const QObject* widget) const
{
    for (const QWidget* above = static_cast<const QWidget*>(widget)->parentWidget(); above;
         above = above->parentWidget()) {
        if (InChain(above))
            return true;
    }
    return false;
}

void T_AM2000_MenuChain::CloseChildOf(Form& window)
{
    Form* child = window.ChildWindow();
    if (!child)
        return;
    window.SetChildWindow(nullptr);
    HideWindow(*child);
    std::erase(m_children, child);
    child->deleteLater();
}

void T_AM2000_MenuChain::HideWindow(Form& window)
{
    m_handlers.endEditing(&window);
    CloseChildOf(window);
    if (T_AM2000_MenuAnimator* animator = T_AM2000_MenuAnimator::Of(window))
        animator->SetClosing();
    window.hide();
    if (TMenuItem2000* item = window.EntryAt(window.Selected()))
        item->OnExit(item);
}

// The top window is freed once control is back in the event loop: the close may come
// from an event that the window is still receiving.
void T_AM2000_MenuChain::Release()
{
    Form* top = TopWindow();
    if (!top)
        return;
    disconnect(m_topGone);
    m_top = nullptr;
    m_topAlive = nullptr;
    m_watch.reset();
    HideWindow(*top);
    T_AM2000_Desktop::Instance().MenusClosed();
    QTimer::singleShot(0, this, [window = QPointer<Form>(top)] {
        if (window && window->Menu().DropDown() == window)
            window->Menu().CloseDropDown();
    });
}

// The menu freed its top window (or itself): the submenus go with it.
void T_AM2000_MenuChain::TopWindowGone()
{
    m_top = nullptr;
    m_watch.reset();
    m_handlers.endEditing(nullptr);
    T_AM2000_MenuTimer::Instance().Stop();
    T_AM2000_Desktop::Instance().MenusClosed();
    for (const QPointer<Form>& child : std::exchange(m_children, {}))
        delete child.data();
}

// A changed item tree is taken in at once, so that no window goes on reading an item
// that was freed; other changes show once control is back in the event loop.
void T_AM2000_MenuChain::ItemsChanged(bool rebuild)
{
    Form* top = TopWindow();
    if (!top)
        return;
    if (!rebuild) {
        for (Form* window = top; window; window = window->ChildWindow())
            window->ScheduleRelayout();
        return;
    }
    // The edited entry may be gone.
    m_handlers.endEditing(nullptr);
    // A chain of a popup menu belongs to no menu tree that its top item could leave.
    const TMenu* menu = m_watch ? m_watch->Menu() : nullptr;
    if (menu && !InTree(*menu->Items(), &top->Item())) {
        m_handlers.lost();
        return;
    }
    TakeInNewTree(*top);
}

// Wherever the freed entry was listed, the windows take in what is left; a window whose
// item it was closes.
void T_AM2000_MenuChain::EntryFreed()
{
    m_handlers.endEditing(nullptr);
    if (Form* top = TopWindow())
        TakeInNewTree(*top);
}

// Top down, each window lays out its entries again with the selected item still
// selected; a window whose item left its parent's entries closes with those below it.
void T_AM2000_MenuChain::TakeInNewTree(Form& top)
{
    for (Form* window = &top; window; window = window->ChildWindow()) {
        const TMenuItem2000* selected = window->EntryAt(window->Selected());
        window->Relayout();
        if (selected)
            window->SetSelected(window->IndexOf(selected));
        T_AM2000_MenuOpener::ShowChanges(*window);
        Form* child = window->ChildWindow();
        if (child && window->IndexOf(&child->Item()) == Form::NoEntry) {
            CloseChildOf(*window);
            return;
        }
    }
}
