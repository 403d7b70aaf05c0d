#include "T_AM2000_MenuTracker.h"

#include "I_AM2000_MenuBar.h"
#include "TCustomMainMenu2000.h"
#include "TCustomPopupMenu2000.h"
#include "TEventSound.h"
#include "TMenu.h"
#include "TMenuItem2000.h"
#include "TPopupMenu2000Form.h"
#include "T_AM2000_AnimationKind.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_DropDownPlacement.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_EditControl.h"
#include "T_AM2000_HitTest.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuEditor.h"
#include "T_AM2000_MenuHints.h"
#include "T_AM2000_MenuInputFilter.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_MenuScroller.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_MenuWatch.h"
#include "T_AM2000_ScrollView.h"
#include "T_AM2000_SelectionFade.h"
#include "T_AM2000_Separator.h"
#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_WindowPlacement.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;
using Placement = T_AM2000_WindowPlacement;

constexpr int OuterFrameWidth = T_AM2000_DropDownLayout::OuterFrameWidth;

TMenuItem2000* EntryAt(const Form& window, int index)
{
    if (index < 0 || index >= int(window.Entries().size()))
        return nullptr;
    return window.Entries()[std::size_t(index)];
}

// Compares addresses only: item may be gone.
int IndexOf(const Form& window, const TMenuItem2000* item)
{
    const auto& entries = window.Entries();
    const auto found = std::find(entries.begin(), entries.end(), item);
    return found == entries.end() ? Form::NoEntry : int(found - entries.begin());
}

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

bool EntryHasSubmenu(const Form& window, int index)
{
    return EntryAt(window, index) && (window.EntryState(index) & dsSubmenu) != 0;
}

// The open child shows the submenu of the selected entry.
bool ChildOfSelectedOpen(const Form& window)
{
    const Form* child = window.ChildWindow();
    return child && &child->Item() == EntryAt(window, window.Selected());
}

// The animator classes carry no meta-object of their own, so findChild would take any
// child for one.
T_AM2000_MenuAnimator* AnimatorOf(const Form& window)
{
    for (QObject* child : window.children()) {
        if (auto* animator = dynamic_cast<T_AM2000_MenuAnimator*>(child))
            return animator;
    }
    return nullptr;
}

// While an animator paints the window it shows the image it was given last.
void ShowChanges(Form& window)
{
    if (T_AM2000_MenuAnimator* animator = AnimatorOf(window))
        animator->UpdateImage(window.ShownImage());
}

bool IsScrollZone(int hit)
{
    return hit <= T_AM2000_ScrollView::Thumb && hit >= T_AM2000_ScrollView::LineUp;
}

// What the parent remembered for its submenus when it opened; for a parent that opened
// without that, what the menu's animation gives submenus.
T_AM2000_Animation SubmenuAnimationOf(const Form& child, const T_AM2000_SystemSettings& settings)
{
    return child.ParentWindow()->SubmenuAnimation().value_or(
        T_AM2000_AnimationKind::Resolve(child.Options().Animation(), false, false, settings)
            .submenus);
}

// Beside its parent, flipped to the other side or moved up where the screen ends; a
// submenu higher than the screen scrolls.
Placement::Request SubmenuRequest(const Form& parent, QPoint anchor)
{
    Placement::Request request;
    request.anchor = anchor;
    request.screen = Placement::ScreenSize();
    request.opener = Placement::Opener::Submenu;
    request.openerRect = parent.geometry();
    request.parentOpenedLeft = parent.OpensLeft();
    return request;
}

// At the cursor, as a popup menu opens: moved in where the screen ends, above the cursor
// where there is no room below.
Placement::Request ContextMenuRequest(QPoint cursor)
{
    Placement::Request request;
    request.anchor = cursor;
    request.screen = Placement::ScreenSize();
    request.opener = Placement::Opener::Other;
    request.openerRect = QRect(cursor, QSize());
    return request;
}

TCustomMainMenu2000* MainMenuOf(const TMenuItem2000& item)
{
    return dynamic_cast<TCustomMainMenu2000*>(item.GetParentMenu());
}

bool Editable(const TMenuItem2000& item)
{
    return item.Control() == T_AM2000_MenuControlType::ctlEditbox &&
           !item.EditControl()->ReadOnly();
}

// A chosen entry fades out in a window that opens by fading, or in a menu that follows
// the desktop's selection fade when that is on.
bool SelectionFadeWanted(const TCustomMainMenu2000* mainMenu, T_AM2000_Animation kind,
                         const T_AM2000_SystemSettings& settings)
{
    return kind == T_AM2000_Animation::anFade ||
           (mainMenu && mainMenu->SystemSelectionFade() && settings.selectionFade);
}

} // namespace

// Belongs to the application, so that it goes with it at exit.
T_AM2000_MenuTracker& T_AM2000_MenuTracker::Instance()
{
    static QPointer<T_AM2000_MenuTracker> instance;
    if (!instance) {
        instance = new T_AM2000_MenuTracker();
        instance->setParent(QCoreApplication::instance());
    }
    return *instance;
}

T_AM2000_MenuTracker::T_AM2000_MenuTracker()
    : m_keyboard(std::make_unique<T_AM2000_MenuKeyboard>(*this))
    , m_filter(std::make_unique<T_AM2000_MenuInputFilter>(*this))
    , m_scroller(std::make_unique<T_AM2000_MenuScroller>(&ShowChanges))
    , m_sound(&TEventSound::Instance())
    , m_beep(&QApplication::beep)
{
    QCoreApplication::instance()->installEventFilter(m_filter.get());
    // A command that quits the program may leave its entry fading: the picture's window
    // goes before the application does, as it would after its last step.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { delete m_selectionFade.data(); });
}

T_AM2000_MenuTracker::~T_AM2000_MenuTracker()
{
    disconnect(m_topGone);
}

Form* T_AM2000_MenuTracker::Popup(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                                  QPoint screenPosition)
{
    Form* window = Open(menu, item);
    window->ShowAt(screenPosition);
    return window;
}

Form* T_AM2000_MenuTracker::PopupAnimated(TCustomPopupMenu2000& menu, TMenuItem2000& holder,
                                          QPoint cursor)
{
    Form* window = Open(menu, holder, true);
    if (window->Entries().empty()) {
        CloseAllMenus(false);
        return nullptr;
    }
    const T_AM2000_SystemSettings settings = T_AM2000_SystemSettings::Current();
    Animate(*window,
            T_AM2000_AnimationKind::Resolve(window->Options().Animation(), false, false, settings),
            T_AM2000_DropDownPlacement::Fit(*window, ContextMenuRequest(cursor)), false);
    return window;
}

Form* T_AM2000_MenuTracker::Open(TCustomPopupMenu2000& menu, TMenuItem2000& item, bool contextMenu)
{
    CloseAllMenus(false);
    m_hotTracking = false;
    Form* window = menu.OpenDropDown(item, contextMenu);
    m_top = window;
    m_topAlive = window;
    WatchMenuOf(item);
    m_topGone = connect(window, &QObject::destroyed, this, [this] { TopWindowGone(); });
    Track(*window);
    return window;
}

TCustomPopupMenu2000* T_AM2000_MenuTracker::CurrentMenu() const
{
    const Form* top = TopWindow();
    return top ? &top->Menu() : nullptr;
}

Form* T_AM2000_MenuTracker::DeepestWindow() const
{
    Form* window = TopWindow();
    while (window && window->ChildWindow())
        window = window->ChildWindow();
    return window;
}

Form* T_AM2000_MenuTracker::WindowAt(QPoint screenPoint) const
{
    for (Form* window = DeepestWindow(); window; window = window->ParentWindow()) {
        if (window->isVisible() && window->geometry().contains(screenPoint))
            return window;
    }
    return nullptr;
}

bool T_AM2000_MenuTracker::InChain(const QObject* object) const
{
    for (const Form* window = DeepestWindow(); window; window = window->ParentWindow()) {
        if (window == object)
            return true;
    }
    return false;
}

void T_AM2000_MenuTracker::RegisterMenuBar(I_AM2000_MenuBar* bar)
{
    m_bars.push_back(bar);
}

void T_AM2000_MenuTracker::UnregisterMenuBar(I_AM2000_MenuBar* bar)
{
    std::erase(m_bars, bar);
}

bool T_AM2000_MenuTracker::OverMenuBar(QPoint screenPoint) const
{
    return std::any_of(m_bars.begin(), m_bars.end(), [screenPoint](I_AM2000_MenuBar* bar) {
        const QWidget* widget = bar->BarWidget();
        return widget && widget->isVisible() &&
               widget->rect().contains(widget->mapFromGlobal(screenPoint));
    });
}

void T_AM2000_MenuTracker::Track(Form& window)
{
    window.setMouseTracking(true);
    if (TMenuViewers* listed = window.ListedViewers(); listed && m_watch)
        m_watch->Add(*listed);
    window.SetEntryFreedHandler([this] { EntryFreed(); });
    // Below the top, the window that lists the item takes the change in.
    window.SetItemFreedHandler([this, &window] {
        if (&window == TopWindow())
            CloseAllMenus(true);
    });
}

void T_AM2000_MenuTracker::MouseMove(Form& window, QPoint point)
{
    if (m_scroller->Drag(window, point))
        return;
    StopLeaveTimer();
    ReselectOpener(window);
    const int hit = T_AM2000_HitTest::At(window, point);
    if (hit == window.Selected()) {
        if (TMenuItem2000* item = EntryAt(window, hit)) {
            const QPoint corner = window.ShownEntryRect(hit).topLeft();
            item->OnMouseMove(item, TShiftState(), point.x() - corner.x(), point.y() - corner.y());
        }
        return;
    }
    // A submenu waits for the pointer to rest on one entry, not for it to stand still.
    StopSubmenuTimer();
    SelectEntry(window, hit);
    if (hit == Form::ExpandButton) {
        CloseChildOf(window);
        if (!window.Options().Flags().Contains(T_AM2000_Flag::mfNoAutoShowHidden))
            Timer::Instance().Start(Timer::ExpandDelay, T_AM2000_TimerCallback::tcExpand, &window,
                                    [this, &window] { Expand(window); });
        return;
    }
    const bool childOpen = window.ChildWindow() != nullptr;
    const bool submenu = EntryHasSubmenu(window, hit);
    if (childOpen || submenu)
        StartSubmenuTimer(window, childOpen && submenu);
}

void T_AM2000_MenuTracker::MouseLeave(Form& window, QPoint screenPoint)
{
    if (!ChildOfSelectedOpen(window))
        SelectEntry(window, Form::NoEntry);
    T_AM2000_MenuHints::Show(nullptr, MainMenuOf(window.Item()));
    if (m_hotTracking && !WindowAt(screenPoint) && !OverMenuBar(screenPoint))
        Timer::Instance().Start(Timer::LeaveDelay, T_AM2000_TimerCallback::tcLeave, &window,
                                [this, &window] { CloseWindow(window); });
}

void T_AM2000_MenuTracker::MouseDown(Form& window, QPoint point)
{
    const int hit = T_AM2000_HitTest::At(window, point);
    if (!IsScrollZone(hit))
        return;
    CloseChildOf(window);
    m_scroller->Press(window, hit, point);
}

// A click in the chain outside the edit box ends editing without taking the text.
void T_AM2000_MenuTracker::MouseUp(Form& window, QPoint point)
{
    m_editor.reset();
    const bool scrolled = m_scroller->Holding();
    m_scroller->Release();
    const int hit = T_AM2000_HitTest::At(window, point);
    if (scrolled || hit == Form::NoEntry || hit == Form::DragStrip || IsScrollZone(hit))
        return;
    if (hit == Form::ExpandButton) {
        Expand(window);
        return;
    }
    SelectEntry(window, hit);
    ClickSelected(window);
}

void T_AM2000_MenuTracker::RightMouseUp(Form& window, QPoint point)
{
    const int hit = T_AM2000_HitTest::At(window, point);
    TMenuItem2000* item = EntryAt(window, hit);
    if (!item)
        return;
    if (TCustomMainMenu2000* mainMenu = MainMenuOf(*item))
        mainMenu->OnContextMenu(mainMenu);
    // The handler may have closed the menus, or freed or moved the item.
    if (!InChain(&window) || !window.isVisible())
        return;
    const int index = IndexOf(window, item);
    if (index != Form::NoEntry && item->PopupMenu())
        OpenContextMenu(window, index, window.geometry().topLeft() + point);
}

// The entry stays selected while its context menu is open, as an opener does.
void T_AM2000_MenuTracker::OpenContextMenu(Form& window, int index, QPoint cursor)
{
    TMenuItem2000& item = *EntryAt(window, index);
    CloseChildOf(window);
    SelectEntry(window, index);
    auto* child = new TPopupMenu2000Form(window.Menu(), item, &window, Form::Contents::ContextMenu);
    if (child->Entries().empty()) {
        delete child;
        return;
    }
    window.SetChildWindow(child);
    m_children.emplace_back(child);
    Track(*child);
    ShowAnimated(*child, ContextMenuRequest(cursor));
}

void T_AM2000_MenuTracker::ClickSelected(Form& window)
{
    const int selected = window.Selected();
    if (!EntryAt(window, selected))
        return;
    if (EntryHasSubmenu(window, selected)) {
        OpenSubmenu(window, false);
        return;
    }
    window.SetPressed(true);
    ShowChanges(window);
    Timer::Instance().Start(Timer::PressPause, T_AM2000_TimerCallback::tcPress, &window,
                            [this, &window] { PressPauseOver(window); });
}

bool T_AM2000_MenuTracker::Choosing() const
{
    return Timer::Instance().TimerPending(Timer::PressPause, T_AM2000_TimerCallback::tcPress);
}

// An edit-box entry that can be written to starts editing instead of being chosen.
void T_AM2000_MenuTracker::PressPauseOver(Form& window)
{
    window.SetPressed(false);
    ShowChanges(window);
    TMenuItem2000* item = EntryAt(window, window.Selected());
    if (!item || !item->Enabled() || T_AM2000_Separator::IsSeparator(item->Caption()))
        return;
    if (Editable(*item))
        m_editor = std::make_unique<T_AM2000_MenuEditor>(window, window.Selected());
    else
        ExecuteEntry(window, *item);
}

bool T_AM2000_MenuTracker::EditorKey(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (!m_editor)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        FinishEditing(true);
    else if (key == Qt::Key_Escape)
        FinishEditing(false);
    else
        m_editor->Key(key, modifiers, text);
    return true;
}

void T_AM2000_MenuTracker::FinishEditing(bool accepted)
{
    const std::unique_ptr<T_AM2000_MenuEditor> editor = std::move(m_editor);
    Form* window = editor->Window();
    if (!accepted || !window)
        return;
    editor->Accept();
    ExecuteEntry(*window, editor->Item());
}

void T_AM2000_MenuTracker::SelectEntry(Form& window, int index)
{
    TMenuItem2000* old = EntryAt(window, window.Selected());
    if (index == window.Selected())
        return;
    window.SetSelected(index);
    ShowChanges(window);
    if (old)
        old->OnExit(old);
    TMenuItem2000* item = EntryAt(window, index);
    if (item)
        item->OnEnter(item);
    T_AM2000_MenuHints::Show(item, MainMenuOf(window.Item()));
}

// The pointer in a submenu keeps its opener selected in the parent window.
void T_AM2000_MenuTracker::ReselectOpener(Form& window)
{
    Form* parent = window.ParentWindow();
    if (!parent)
        return;
    const int opener = IndexOf(*parent, &window.Item());
    if (parent->Selected() == opener)
        return;
    StopSubmenuTimer();
    SelectEntry(*parent, opener);
}

void T_AM2000_MenuTracker::StartSubmenuTimer(Form& window, bool quick)
{
    Timer::Instance().Start(quick ? Timer::QuickSubmenuDelay : Timer::SubmenuDelay,
                            T_AM2000_TimerCallback::tcSubmenu, &window,
                            [this, &window] { SubmenuTimerFired(window); });
}

void T_AM2000_MenuTracker::StopSubmenuTimer()
{
    Timer& timer = Timer::Instance();
    if (timer.TimerPending(Timer::SubmenuDelay, T_AM2000_TimerCallback::tcSubmenu) ||
        timer.TimerPending(Timer::QuickSubmenuDelay, T_AM2000_TimerCallback::tcSubmenu))
        timer.Stop();
}

void T_AM2000_MenuTracker::StopLeaveTimer()
{
    Timer& timer = Timer::Instance();
    if (timer.TimerPending(Timer::LeaveDelay, T_AM2000_TimerCallback::tcLeave))
        timer.Stop();
}

void T_AM2000_MenuTracker::SubmenuTimerFired(Form& window)
{
    if (!ChildOfSelectedOpen(window))
        OpenSubmenu(window, false);
}

// A selected entry without a submenu closes the open one.
void T_AM2000_MenuTracker::OpenSubmenu(Form& window, bool selectFirst)
{
    const int selected = window.Selected();
    TMenuItem2000* item = EntryHasSubmenu(window, selected) ? EntryAt(window, selected) : nullptr;
    if (item && ChildOfSelectedOpen(window))
        return;
    CloseChildOf(window);
    if (!item)
        return;
    item->Click();
    auto* child = new TPopupMenu2000Form(window.Menu(), *item, &window);
    window.SetChildWindow(child);
    m_children.emplace_back(child);
    Track(*child);
    if (selectFirst)
        MoveSelection(*child, 0);
    ShowAnimated(*child, SubmenuRequest(window, SubmenuAnchor(window)));
}

// The animation its parent gives submenus, at the menu's opacity, placed on the screen,
// above the chain's windows.
void T_AM2000_MenuTracker::ShowAnimated(Form& child, const Placement::Request& request)
{
    const T_AM2000_SystemSettings settings = T_AM2000_SystemSettings::Current();
    const Placement::Placement placement = T_AM2000_DropDownPlacement::Fit(child, request);
    const T_AM2000_AnimationKind::Resolved kind = T_AM2000_AnimationKind::Resolve(
        SubmenuAnimationOf(child, settings), false, false, settings);
    const TCustomMainMenu2000* mainMenu = MainMenuOf(child.Item());
    Animate(child, kind, placement, mainMenu && mainMenu->SystemShadow());
}

void T_AM2000_MenuTracker::Animate(Form& window, const T_AM2000_AnimationKind::Resolved& kind,
                                   const Placement::Placement& placement, bool systemShadow)
{
    const T_AM2000_SystemSettings settings = T_AM2000_SystemSettings::Current();
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
    if (!settings.layeredWindows &&
        SelectionFadeWanted(MainMenuOf(window.Item()), kind.shown, settings))
        T_AM2000_Desktop::Instance().Capture(opening.bounds);
    T_AM2000_DropShadow* shadow = nullptr;
    if (T_AM2000_DropShadow::Wanted(window.Options().Flags(), systemShadow, settings))
        shadow =
            new T_AM2000_DropShadow(&window, T_AM2000_Desktop::Instance(), settings.layeredWindows);
    // The window's fixed size would keep it from growing.
    window.setMinimumSize(1, 1);
    auto* animator = new T_AM2000_MenuAnimator(&window);
    animator->SetFinished([this, &window] {
        if (EntryAt(window, window.Selected()))
            StartSubmenuTimer(window, false);
    });
    animator->Start(window.ShownImage(), opening, shadow);
}

// Beside the parent, overlapping it (over its scroll bar while it scrolls), with the
// submenu's first entry level with its opener as shown.
QPoint T_AM2000_MenuTracker::SubmenuAnchor(const Form& window) const
{
    const T_AM2000_DropDownLayout& layout = window.Layout();
    const int border = window.Options().Margins()->ValueAt(T_AM2000_Margins::Border);
    int top = window.ShownEntryRect(window.Selected()).y() - layout.Bevel() - border;
    if (layout.OuterFrame())
        top -= OuterFrameWidth;
    const int left =
        window.OpensLeft() ? SubmenuOverlap : layout.WindowSize().width() - SubmenuOverlap;
    return window.geometry().topLeft() + QPoint(left, top);
}

void T_AM2000_MenuTracker::ExecuteEntry(Form& window, TMenuItem2000& item)
{
    const int index = IndexOf(window, &item);
    if (EntryHasSubmenu(window, index)) {
        SelectEntry(window, index);
        OpenSubmenu(window, false);
        return;
    }
    TCustomMainMenu2000* mainMenu = MainMenuOf(item);
    bool canClose = true;
    if (mainMenu)
        mainMenu->OnCloseQuery(mainMenu, canClose);
    QPointer<Form> stays = canClose ? nullptr : &window;
    if (canClose) {
        if (FadesSelection(window, item))
            FadeSelection(window, item);
        CloseAllMenus(true);
        m_sound->PlayEvent(QLatin1String(CommandSound));
    }
    if (mainMenu)
        mainMenu->OnMenuCommand(&item);
    item.Click();
    // What the command changed in the entries shows.
    if (stays) {
        StartSubmenuTimer(*stays, false);
        stays->Relayout();
        ShowChanges(*stays);
    }
}

bool T_AM2000_MenuTracker::FadesSelection(const Form& window, const TMenuItem2000& item) const
{
    const T_AM2000_SystemSettings settings = T_AM2000_SystemSettings::Current();
    const T_AM2000_MenuAnimator* animator = AnimatorOf(window);
    const auto opened = animator ? animator->OpenedWith() : std::nullopt;
    const T_AM2000_Animation kind = opened.value_or(
        T_AM2000_AnimationKind::Resolve(window.Options().Animation(), false, false, settings)
            .shown);
    return SelectionFadeWanted(MainMenuOf(item), kind, settings);
}

// The entry's picture, widened by the item frame, over its place on the screen.
void T_AM2000_MenuTracker::FadeSelection(const Form& window, const TMenuItem2000& item)
{
    const int index = IndexOf(window, &item);
    const int frame = window.Options().Margins()->ValueAt(T_AM2000_Margins::Frame);
    const QRect place = window.EntryRect(index).adjusted(-frame, -frame, frame, frame);
    const QRect shown = window.ShownEntryRect(index).adjusted(-frame, -frame, frame, frame);
    T_AM2000_SelectionFade::Picture picture;
    picture.image = window.CanvasImage().copy(place);
    picture.bounds = shown.translated(window.geometry().topLeft());
    picture.opacity = window.Options().Opacity();
    picture.layered = T_AM2000_SystemSettings::Current().layeredWindows;
    delete m_selectionFade.data();
    m_selectionFade = new T_AM2000_SelectionFade(picture, T_AM2000_Desktop::Instance());
    m_selectionFade->Start();
}

T_AM2000_SelectionFade* T_AM2000_MenuTracker::SelectionFade() const
{
    return m_selectionFade;
}

void T_AM2000_MenuTracker::MoveSelection(Form& window, int index, bool wrap)
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

bool T_AM2000_MenuTracker::Selectable(const Form& window, int index) const
{
    const TMenuItem2000& item = *EntryAt(window, index);
    if (T_AM2000_Separator::IsSeparator(item.Caption()))
        return false;
    return item.Enabled() || !window.Options().Flags().Contains(T_AM2000_Flag::mfNoHighDisabled);
}

// A window with nothing hidden is left as it is.
void T_AM2000_MenuTracker::Expand(Form& window)
{
    if (window.Expanded() || !window.HiddenItemsPresent())
        return;
    CloseChildOf(window);
    SelectEntry(window, Form::NoEntry);
    const int fromHeight =
        window.Layout().WindowSize().height() - T_AM2000_DropDownLayout::ExpandButtonHeight;
    window.SetExpanded(true);
    if (window.Scrolling())
        ShowChanges(window);
    else
        SlideExpansion(window, fromHeight);
}

// The window keeps its place and grows from its height without the expand button to its
// new height.
void T_AM2000_MenuTracker::SlideExpansion(Form& window, int fromHeight)
{
    T_AM2000_MenuAnimator* animator = AnimatorOf(window);
    if (!animator)
        animator = new T_AM2000_MenuAnimator(&window);
    window.setMinimumSize(1, 1);
    animator->Expand(window.ShownImage(), QRect(window.pos(), window.size()), fromHeight);
}

void T_AM2000_MenuTracker::CloseWindow(Form& window)
{
    Timer::Instance().Stop();
    if (Form* parent = window.ParentWindow())
        CloseChildOf(*parent);
    else
        CloseAllMenus(true);
}

void T_AM2000_MenuTracker::CloseChildOf(Form& window)
{
    Form* child = window.ChildWindow();
    if (!child)
        return;
    window.SetChildWindow(nullptr);
    HideWindow(*child);
    std::erase(m_children, child);
    child->deleteLater();
}

void T_AM2000_MenuTracker::HideWindow(Form& window)
{
    if (m_editor && m_editor->Window() == &window)
        m_editor.reset();
    CloseChildOf(window);
    if (T_AM2000_MenuAnimator* animator = AnimatorOf(window))
        animator->SetClosing();
    window.hide();
    if (TMenuItem2000* item = EntryAt(window, window.Selected()))
        item->OnExit(item);
}

// The top window is freed once control is back in the event loop: the close may come
// from an event that the window is still receiving.
void T_AM2000_MenuTracker::CloseAllMenus(bool resetBars)
{
    Timer::Instance().Stop();
    TCustomMainMenu2000* closed = nullptr;
    if (Form* top = TopWindow()) {
        closed = top->ItemFreed() ? nullptr : MainMenuOf(top->Item());
        T_AM2000_MenuHints::Show(nullptr, closed);
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
    if (resetBars) {
        for (I_AM2000_MenuBar* bar : std::vector(m_bars))
            bar->ResetBar();
    }
    // Told last, when the bars are idle again; not when another drop-down takes over.
    if (closed && resetBars)
        closed->OnMenuClose(closed);
}

// The menu freed its top window (or itself): the submenus go with it.
void T_AM2000_MenuTracker::TopWindowGone()
{
    m_top = nullptr;
    m_watch.reset();
    m_editor.reset();
    Timer::Instance().Stop();
    T_AM2000_Desktop::Instance().MenusClosed();
    for (const QPointer<Form>& child : std::exchange(m_children, {}))
        delete child.data();
}

void T_AM2000_MenuTracker::WatchMenuOf(const TMenuItem2000& item)
{
    m_watch = std::make_unique<T_AM2000_MenuWatch>(
        item.GetParentMenu(), [this](bool rebuild) { ItemsChanged(rebuild); },
        [this] { CloseAllMenus(true); });
}

// A changed item tree is taken in at once, so that no window goes on reading an item
// that was freed; other changes show once control is back in the event loop.
void T_AM2000_MenuTracker::ItemsChanged(bool rebuild)
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
    m_editor.reset();
    // A chain of a popup menu belongs to no menu tree that its top item could leave.
    const TMenu* menu = m_watch ? m_watch->Menu() : nullptr;
    if (menu && !InTree(*menu->Items(), &top->Item())) {
        CloseAllMenus(true);
        return;
    }
    TakeInNewTree(*top);
}

// Wherever the freed entry was listed, the windows take in what is left; a window whose
// item it was closes.
void T_AM2000_MenuTracker::EntryFreed()
{
    m_editor.reset();
    if (Form* top = TopWindow())
        TakeInNewTree(*top);
}

// Top down, each window lays out its entries again with the selected item still
// selected; a window whose item left its parent's entries closes with those below it.
void T_AM2000_MenuTracker::TakeInNewTree(Form& top)
{
    for (Form* window = &top; window; window = window->ChildWindow()) {
        const TMenuItem2000* selected = EntryAt(*window, window->Selected());
        window->Relayout();
        if (selected)
            window->SetSelected(IndexOf(*window, selected));
        ShowChanges(*window);
        Form* child = window->ChildWindow();
        if (child && IndexOf(*window, &child->Item()) == Form::NoEntry) {
            CloseChildOf(*window);
            return;
        }
    }
}

ISoundPlayer* T_AM2000_MenuTracker::SetSoundPlayer(ISoundPlayer* player)
{
    return std::exchange(m_sound, player);
}

std::function<void()> T_AM2000_MenuTracker::SetBeep(std::function<void()> beep)
{
    return std::exchange(m_beep, std::move(beep));
}

void T_AM2000_MenuTracker::Beep() const
{
    if (m_beep)
        m_beep();
}
