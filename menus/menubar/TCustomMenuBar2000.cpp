#include "TCustomMenuBar2000.h"

#include "TBitmap.h"
#include "TClassInfo.h"
#include "TCustomMainMenu2000.h"
#include "TCustomPopupMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "TEdgeFlags.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Accelerator.h"
#include "T_AM2000_BarDropDown.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_ItemPainter.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_MenuBarKeys.h"
#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChain.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_MenuPointer.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_MenuTracker.h"
#include "T_AM2000_RaisedItemForm.h"
#include "T_AM2000_UpdatingScope.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QToolTip>
#include <utility>

namespace {

using State = T_AM2000_BarState;
using Timer = T_AM2000_MenuTimer;
using C = T_AM2000_Colors;
using M = T_AM2000_Margins;

T_AM2000_MenuTracker& Tracker()
{
    return T_AM2000_MenuTracker::Instance();
}

bool HasSubmenu(const TMenuItem2000& item)
{
    const TMenuItem* items =
        item.Count() == 0 && item.AttachMenu() ? item.AttachMenu()->Items() : &item;
    for (int i = 0; i < items->Count(); ++i) {
        if (items->Items(i)->Visible())
            return true;
    }
    return false;
}

TCustomMenuBar2000::UnderlinesSource& InstalledUnderlinesSource()
{
    static TCustomMenuBar2000::UnderlinesSource source;
    return source;
}

// The first main menu that window owns.
TCustomMainMenu2000* MainMenuOf(const TComponent* window)
{
    if (!window)
        return nullptr;
    for (TComponent* component : window->Components()) {
        if (auto* menu = dynamic_cast<TCustomMainMenu2000*>(component))
            return menu;
    }
    return nullptr;
}

} // namespace

const TClassInfo& TCustomMenuBar2000::StaticClassInfo()
{
    static const TClassInfo info("TCustomMenuBar2000", &TCustomControl::StaticClassInfo());
    return info;
}

TCustomMenuBar2000::TCustomMenuBar2000(TComponent* owner)
    : TCustomControl(owner)
    , m_dropDownMenu(std::make_unique<TCustomPopupMenu2000>(nullptr))
    , m_buffer(std::make_unique<TBitmap>())
    , m_keys(std::make_unique<T_AM2000_MenuBarKeys>(*this))
{
    m_showUnderlines = SystemUnderlines();
    m_drawingOptions = BarOptions();
    Tracker().MenuBars().Register(this);
    QCoreApplication::instance()->installEventFilter(this);
}

// The bar's drop-down goes with the bar: its popup menu frees the open window.
TCustomMenuBar2000::~TCustomMenuBar2000()
{
    QCoreApplication::instance()->removeEventFilter(this);
    Tracker().MenuBars().Unregister(this);
    if (DropDownOpen())
        Tracker().CloseAllMenus(false);
    if (m_menu)
        m_menu->Viewers().Remove(this);
}

void TCustomMenuBar2000::SetMenu(TCustomMainMenu2000* menu)
{
    if (menu == m_menu)
        return;
    if (m_menu) {
        m_menu->Viewers().Remove(this);
        RemoveFreeNotification(m_menu);
    }
    m_menu = menu;
    if (m_menu) {
        FreeNotification(m_menu);
        m_menu->Viewers().Add(this, [this](TMenuItem*, bool) { Rebuild(); });
    }
    ResetBar();
    Rebuild();
}

void TCustomMenuBar2000::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    update();
}

void TCustomMenuBar2000::SetFlat(T_AM2000_FlatStyle flat)
{
    if (flat == m_flat)
        return;
    m_flat = flat;
    update();
}

QString TCustomMenuBar2000::Version() const
{
    return QStringLiteral("Zentuvio animated menus 2.0");
}

void TCustomMenuBar2000::SetVersion(const QString&)
{
    throw ELayoutError(QStringLiteral("Version is read-only"));
}

TMenuItem2000* TCustomMenuBar2000::CurrentItem() const
{
    return m_current >= 0 && m_current < m_items.Count()
               ? m_items.Entries()[std::size_t(m_current)].item
               : nullptr;
}

void TCustomMenuBar2000::SetShowUnderlines(bool show)
{
    if (show == m_showUnderlines)
        return;
    m_showUnderlines = show;
    update();
    if (!DropDownOpen())
        return;
    Tracker().TopWindow()->SetShowUnderlines(show);
    if (m_raised && m_raised->isVisible())
        ShowRaisedItem(m_current);
}

bool TCustomMenuBar2000::SystemUnderlines()
{
    const UnderlinesSource& source = InstalledUnderlinesSource();
    if (source)
        return source();
    return QApplication::style()->styleHint(QStyle::SH_UnderlineShortcut) != 0;
}

TCustomMenuBar2000::UnderlinesSource
TCustomMenuBar2000::SetSystemUnderlinesSource(UnderlinesSource source)
{
    return std::exchange(InstalledUnderlinesSource(), std::move(source));
}

bool TCustomMenuBar2000::DropDownOpen() const
{
    return Tracker().CurrentMenu() == m_dropDownMenu.get();
}

QWidget* TCustomMenuBar2000::ItemPlace(const TMenuItem2000& item, QPoint& local)
{
    if (const int index = m_items.IndexOf(&item); index >= 0 && isVisible()) {
        local = m_items.Entries()[std::size_t(index)].rect.center();
        return this;
    }
    if (!DropDownOpen())
        return nullptr;
    for (TCustomPopupMenu2000Form* open = Tracker().DeepestWindow(); open;
         open = open->ParentWindow()) {
        if (const int entry = open->IndexOf(&item); entry != TCustomPopupMenu2000Form::NoEntry) {
            local = open->EntryRect(entry).center();
            return open;
        }
    }
    return nullptr;
}

void TCustomMenuBar2000::SetState(State state, int current)
{
    if (ChangeState(state, current))
        update();
}

// Every change of state or current item goes through here.
bool TCustomMenuBar2000::ChangeState(State state, int current)
{
    if (state == m_state && current == m_current)
        return false;
    m_state = state;
    m_current = current;
    return true;
}

void TCustomMenuBar2000::ResetBar()
{
    if (Timer::Instance().TimerPending(HotTrackDelay, T_AM2000_TimerCallback::tcMenuBar) ||
        Timer::Instance().TimerPending(IdleDelay, T_AM2000_TimerCallback::tcMenuBar))
        Timer::Instance().Stop();
    m_pressed = false;
    m_keyboardMode = false;
    HideRaisedItem();
    SetShowUnderlines(SystemUnderlines());
    SetState(State::bsIdle, -1);
}

// --- Items and options ---------------------------------------------------------------

// The window's main menu is shown by the bar, unless the bar was given another.
void TCustomMenuBar2000::Loaded()
{
    TCustomControl::Loaded();
    TakeWindowMenu();
    Rebuild();
}

void TCustomMenuBar2000::TakeWindowMenu()
{
    if (!m_menu)
        SetMenu(MainMenuOf(Owner()));
}

void TCustomMenuBar2000::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_menu) {
        m_menu = nullptr;
        ResetBar();
        Rebuild();
    }
}

void TCustomMenuBar2000::FontChanged()
{
    TCustomControl::FontChanged();
    Rebuild();
}

// Options changes arrive once the global updating counter is down again.
void TCustomMenuBar2000::Rebuild()
{
    if (IsLoading() || T_AM2000_UpdatingScope::Updating())
        return;
    m_drawingOptions = BarOptions();
    const TMenuItem2000* current = CurrentItem();
    m_items = m_menu ? T_AM2000_BarItems(m_menu->Root(), m_menu->DropDownFont(),
                                         m_dropDownMenu->Images(), AvailableWidth())
                     : T_AM2000_BarItems();
    // A drop-down must not outlive the item it shows.
    if (DropDownOpen() && m_items.IndexOf(&Tracker().TopWindow()->Item()) < 0)
        Tracker().CloseAllMenus(true);
    if (current && m_items.IndexOf(current) < 0)
        ResetBar();
    else
        m_current = m_items.IndexOf(current);
    if (Align() == TAlign::alTop || Align() == TAlign::alBottom)
        SetHeight(std::max(m_items.Bottom(), 1));
    if (m_widensToItems && Align() == TAlign::alNone && Width() < m_items.Right())
        SetWidth(m_items.Right());
    update();
}

void TCustomMenuBar2000::SetWidensToItems(bool widens)
{
    if (widens == m_widensToItems)
        return;
    m_widensToItems = widens;
    Rebuild();
}

std::unique_ptr<T_AM2000_MenuOptions> TCustomMenuBar2000::BarOptions() const
{
    if (!m_menu)
        return std::make_unique<T_AM2000_MenuOptions>();
    std::unique_ptr<T_AM2000_MenuOptions> options = m_menu->DropDownOptions(nullptr, nullptr);
    T_AM2000_UpdatingScope updating;
    options->SetAlignment(TAlignment::taCenter);
    T_AM2000_Margins& margins = *options->Margins();
    for (const int margin : {M::Left, M::Right, M::Gutter})
        margins.SetValueAt(margin, 0);
    T_AM2000_Colors& colors = *options->Colors();
    if (colors.ValueAt(C::MenuText) == clMenuText)
        colors.SetValueAt(C::MenuText, Font()->Color());
    return options;
}

// The raised item takes the drop-down's gutter colour (its menu colour when there is
// none) and has no inner frame.
void TCustomMenuBar2000::ShowRaisedItem(int index)
{
    std::unique_ptr<T_AM2000_MenuOptions> options = BarOptions();
    {
        T_AM2000_UpdatingScope updating;
        T_AM2000_Colors& colors = *options->Colors();
        if (colors.ValueAt(C::Gutter) != clNone)
            colors.SetValueAt(C::Menu, colors.ValueAt(C::Gutter));
        options->Margins()->SetValueAt(M::Frame, 0);
    }
    if (!m_raised)
        m_raised = std::make_unique<T_AM2000_RaisedItemForm>();
    m_raised->ShowOver(*m_items.Entries()[std::size_t(index)].item, *options,
                       m_menu->DropDownFont(), m_dropDownMenu->Images(), ItemOnScreen(index),
                       m_showUnderlines);
}

void TCustomMenuBar2000::HideRaisedItem()
{
    if (m_raised)
        m_raised->hide();
}

// The parent's client width: a bar may show more than its own bounds hold.
int TCustomMenuBar2000::AvailableWidth() const
{
    return parentWidget() ? parentWidget()->width() : width();
}

// --- Painting ------------------------------------------------------------------------

void TCustomMenuBar2000::Paint()
{
    if (IsLoading() || height() == 0)
        return;
    PaintBuffer();
    Canvas()->DrawImage(rect(), m_buffer->Image(), rect());
}

void TCustomMenuBar2000::PaintBuffer()
{
    if (m_buffer->Width() != width() || m_buffer->Height() != height())
        m_buffer->SetSize(width(), height());
    TCanvas& canvas = *m_buffer->Canvas();
    PaintBackground(canvas);
    for (int i = 0; i < m_items.Count(); ++i)
        PaintItem(canvas, i);
}

void TCustomMenuBar2000::PaintBackground(TCanvas& canvas)
{
    if (m_transparent && parentWidget()) {
        QImage under(size(), QImage::Format_RGB32);
        parentWidget()->render(&under, QPoint(), QRegion(geometry()),
                               QWidget::DrawWindowBackground);
        canvas.DrawImage(rect(), under, under.rect());
        return;
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(m_items.Empty() ? clMenu
                                             : m_drawingOptions->Colors()->ValueAt(C::Menu));
    canvas.FillRect(rect());
}

// The 3D look marks the current item with an edge instead of the selection colours.
void TCustomMenuBar2000::PaintItem(TCanvas& canvas, int index)
{
    const T_AM2000_BarItems::Entry& entry = m_items.Entries()[std::size_t(index)];
    T_AM2000_ItemPainter painter(*m_drawingOptions, m_menu->DropDownFont(),
                                 m_dropDownMenu->Images());
    painter.SetShowUnderlines(m_showUnderlines);
    const bool edged = m_menu->Ctl3D() && index == m_current && m_state != State::bsIdle;
    QRect rect = entry.rect;
    painter.Paint(canvas, edged && m_state == State::bsOpen ? rect.translated(1, 1) : rect,
                  *entry.item, ItemDrawState(index));
    if (!edged)
        return;
    if (m_state == State::bsCustomize) {
        canvas.Brush()->SetColor(m_drawingOptions->Colors()->ValueAt(C::MenuText));
        canvas.FrameRect(rect);
    } else {
        canvas.DrawEdge(rect, m_state == State::bsOpen ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                        BF_RECT);
    }
}

int TCustomMenuBar2000::ItemDrawState(int index) const
{
    const TMenuItem2000& item = *m_items.Entries()[std::size_t(index)].item;
    int state = dsGlyphLeft;
    if (!item.Enabled())
        state |= dsDisabled;
    if (item.Default())
        state |= dsDefault;
    if (index != m_current || m_menu->Ctl3D())
        return state;
    if (m_state != State::bsIdle)
        state |= dsSelected;
    if (m_state == State::bsOpen)
        state |= dsPressed;
    return state;
}

// --- Drop-downs ----------------------------------------------------------------------

QRect TCustomMenuBar2000::ItemOnScreen(int index) const
{
    const QRect rect = m_items.Entries()[std::size_t(index)].rect;
    return QRect(mapToGlobal(rect.topLeft()), rect.size());
}

TCustomPopupMenu2000Form* TCustomMenuBar2000::OpenBarItem(TMenuItem2000* item, bool selectFirst)
{
    const int index = m_items.IndexOf(item);
    if (index < 0 || !m_menu || !item->Enabled() || !HasSubmenu(*item))
        return nullptr;
    m_dropDownMenu->TakeMenuSettings(*m_menu);
    OnPopup(this, item);
    const bool changed = ChangeState(State::bsOpen, index);
    const bool raised = m_drawingOptions->Flags().Contains(T_AM2000_Flag::mfRaiseMenuBarItem);
    // The raised item's shadow falls on the drop-down's edge: it darkens the screen from
    // before the drop-down.
    if (raised)
        T_AM2000_Desktop::Instance().Capture(ItemOnScreen(index).adjusted(
            0, 0, T_AM2000_DropShadow::Offset, T_AM2000_DropShadow::Offset));
    T_AM2000_BarDropDown::Request request;
    request.itemOnScreen = ItemOnScreen(index);
    request.systemShadow = m_menu->SystemShadow();
    request.raised = raised;
    request.underlines = m_showUnderlines;
    TCustomPopupMenu2000Form* window = T_AM2000_BarDropDown::Open(*m_dropDownMenu, *item, request);
    if (changed)
        RepaintAfterFirstFrame(*window);
    if (raised)
        ShowRaisedItem(index);
    else
        HideRaisedItem();
    Tracker().Pointer().SetHotTracking(m_hotTrack);
    if (selectFirst || m_keyboardMode)
        Tracker().Navigator().MoveSelection(*window, 0);
    StartExpandTimer(*window);
    return window;
}

// The menu the user waits for comes first: the bar paints its item pressed once the
// drop-down's first frame is on the screen.
void TCustomMenuBar2000::RepaintAfterFirstFrame(TCustomPopupMenu2000Form& window)
{
    T_AM2000_MenuAnimator* animator = T_AM2000_MenuAnimator::Of(window);
    if (!animator) {
        update();
        return;
    }
    animator->AfterFirstFrame([bar = QPointer<TCustomMenuBar2000>(this)] {
        if (bar)
            bar->update();
    });
}

// A drop-down with hidden items shows them after a while, unless the menu says not to.
void TCustomMenuBar2000::StartExpandTimer(TCustomPopupMenu2000Form& window)
{
    if (!window.HiddenItemsPresent() ||
        window.Options().Flags().Contains(T_AM2000_Flag::mfNoAutoShowHidden))
        return;
    Timer::Instance().Start(Timer::ExpandDelay, T_AM2000_TimerCallback::tcExpand, &window,
                            [&window] {
                                if (Tracker().TopWindow() == &window && window.isVisible())
                                    Tracker().Navigator().Expand(window);
                            });
}

void TCustomMenuBar2000::EnterKeyboardMode()
{
    if (m_items.Empty())
        return;
    m_keyboardMode = true;
    SetShowUnderlines(true);
    SetState(State::bsOpen, 0);
}

void TCustomMenuBar2000::MoveToItem(int index)
{
    if (index < 0 || index >= m_items.Count())
        return;
    const bool wasOpen = DropDownOpen();
    LeaveCurrentItemFor(index, wasOpen);
    m_keyboardMode = true;
    if (wasOpen)
        OpenBarItem(CurrentItem(), true);
}

void TCustomMenuBar2000::SwitchToItem(int index)
{
    LeaveCurrentItemFor(index, true);
    OpenBarItem(CurrentItem(), false);
}

// The screen under a drop-down that closes is not painted again yet when the next one
// opens, so the desktop snapshot is kept for it.
void TCustomMenuBar2000::LeaveCurrentItemFor(int index, bool nextOpens)
{
    if (DropDownOpen()) {
        T_AM2000_Desktop::Instance().SetKeep(nextOpens);
        Tracker().CloseAllMenus(false);
    }
    HideRaisedItem();
    SetState(State::bsOpen, index);
}

TMenuItem2000* TCustomMenuBar2000::ItemWithAccelerator(const QString& typed) const
{
    for (const T_AM2000_BarItems::Entry& entry : m_items.Entries()) {
        if (T_AM2000_Accelerator::Matches(entry.item->Caption(), typed))
            return entry.item;
    }
    return nullptr;
}

// --- Mouse ---------------------------------------------------------------------------

void TCustomMenuBar2000::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) {
        Tracker().CloseAllMenus(true);
        return;
    }
    const int index = m_items.IndexAt(QPoint(x, y));
    // The bar beside its items is no menu.
    if (index < 0) {
        Tracker().CloseAllMenus(true);
        return;
    }
    TMenuItem2000* item = m_items.Entries()[std::size_t(index)].item;
    const QPoint corner = m_items.Entries()[std::size_t(index)].rect.topLeft();
    item->OnMouseDown(item, button, shift, x - corner.x(), y - corner.y());
    PressItem(index);
}

// A press on the item whose drop-down is open closes it; any other item opens its
// drop-down, or is shown pressed until the button is released.
void TCustomMenuBar2000::PressItem(int index)
{
    TMenuItem2000* item = m_items.Entries()[std::size_t(index)].item;
    const bool ownOpen = DropDownOpen() && index == m_current;
    if (DropDownOpen())
        Tracker().CloseAllMenus(true);
    if (ownOpen) {
        SetState(State::bsHot, index);
        return;
    }
    m_keyboardMode = false;
    if (OpenBarItem(item, false))
        return;
    m_pressed = item->Enabled();
    SetState(m_pressed ? State::bsOpen : State::bsHot, index);
}

void TCustomMenuBar2000::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    const int index = m_items.IndexAt(QPoint(x, y));
    if (index >= 0) {
        TMenuItem2000* item = m_items.Entries()[std::size_t(index)].item;
        const QPoint corner = m_items.Entries()[std::size_t(index)].rect.topLeft();
        item->OnMouseUp(item, button, shift, x - corner.x(), y - corner.y());
    }
    if (button != TMouseButton::mbLeft || !m_pressed)
        return;
    m_pressed = false;
    TMenuItem2000* pressed = CurrentItem();
    SetState(State::bsHot, m_current);
    if (pressed && index == m_current)
        pressed->Click();
}

void TCustomMenuBar2000::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    const int index = m_items.IndexAt(QPoint(x, y));
    if (index < 0 || index == m_current || m_pressed)
        return;
    if (DropDownOpen() || m_keyboardMode) {
        SwitchToItem(index);
        return;
    }
    HoverItem(index);
}

// An idle or hot bar highlights the item under the pointer; the shared timer then opens
// its drop-down (HotTrack) or takes the highlight away once the pointer has gone.
void TCustomMenuBar2000::HoverItem(int index)
{
    SetState(State::bsHot, index);
    Timer::Instance().Start(m_hotTrack ? HotTrackDelay : IdleDelay,
                            T_AM2000_TimerCallback::tcMenuBar, this,
                            [this] { HoverTimerFired(m_hotTrack); });
}

void TCustomMenuBar2000::CMMouseLeave()
{
    TCustomControl::CMMouseLeave();
    if (m_state == State::bsHot && !m_keyboardMode)
        Timer::Instance().Start(IdleDelay, T_AM2000_TimerCallback::tcMenuBar, this,
                                [this] { HoverTimerFired(false); });
}

void TCustomMenuBar2000::HoverTimerFired(bool open)
{
    if (m_state != State::bsHot)
        return;
    const bool over = PointerOverBarOrMenu();
    if (open && over)
        OpenBarItem(CurrentItem(), false);
    else if (!open && !over)
        ResetBar();
}

bool TCustomMenuBar2000::PointerOverBarOrMenu() const
{
    const QPoint pointer = QCursor::pos();
    return rect().contains(mapFromGlobal(pointer)) || Tracker().Chain().WindowAt(pointer);
}

// --- Keys ----------------------------------------------------------------------------

bool TCustomMenuBar2000::BarKeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    return DropDownOpen() && m_keys->KeyDown(key, modifiers, text);
}

// Keys of the bar's window reach the bar while no menu chain is open (the tracker hands
// on what an open drop-down leaves alone); a press anywhere else ends keyboard mode; the
// parent's new size lays the items out again.
bool TCustomMenuBar2000::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (key.isAutoRepeat() || Tracker().TopWindow() || !OwnsKey(watched))
            return false;
        return event->type() == QEvent::KeyPress
                   ? m_keys->KeyDown(key.key(), key.modifiers(), key.text())
                   : m_keys->KeyUp(key.key(), key.modifiers());
    }
    case QEvent::MouseButtonPress:
        if (m_keyboardMode && !Tracker().TopWindow() && watched->isWidgetType() &&
            !rect().contains(
                mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint())))
            ResetBar();
        return false;
    case QEvent::Resize:
        // The items flow across the parent's width.
        if (watched == parentWidget())
            Rebuild();
        return false;
    case QEvent::ApplicationDeactivate:
    case QEvent::WindowDeactivate:
        if (m_keyboardMode &&
            (event->type() == QEvent::ApplicationDeactivate || watched == window()))
            ResetBar();
        return false;
    default:
        return false;
    }
}

bool TCustomMenuBar2000::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        Rebuild();
    if (event->type() != QEvent::ToolTip)
        return TCustomControl::event(event);
    ShowToolTip(*static_cast<QHelpEvent*>(event));
    return true;
}

// The short hint is the part before the vertical bar.
void TCustomMenuBar2000::ShowToolTip(const QHelpEvent& help)
{
    const int index = m_items.IndexAt(help.pos());
    const TMenuItem2000* item = index >= 0 ? m_items.Entries()[std::size_t(index)].item : nullptr;
    const QString hint =
        item && m_menu->ShowHint() ? item->ShownHint().section(QLatin1Char('|'), 0, 0) : QString();
    if (hint.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(help.globalPos(), hint, this, m_items.Entries()[std::size_t(index)].rect);
}

// Keys go to the widget with the focus, or to the window itself.
bool TCustomMenuBar2000::OwnsKey(QObject* watched) const
{
    return isVisible() && watched->isWidgetType() &&
           static_cast<QWidget*>(watched)->window() == window();
}
