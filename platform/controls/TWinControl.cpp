#include "TWinControl.h"

#include "TClassInfo.h"
#include "TErrorReport.h"
#include "TForm.h"
#include "TKeyCodes.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

const TClassInfo& TWinControl::StaticClassInfo()
{
    static const TClassInfo info("TWinControl", &TControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false);
        c.Property("DockSite", &TWinControl::DockSite, &TWinControl::SetDockSite, false);
        c.Event("OnEnter", &TWinControl::OnEnter);
        c.Event("OnExit", &TWinControl::OnExit);
        c.Event("OnKeyDown", &TWinControl::OnKeyDown);
        c.Event("OnKeyPress", &TWinControl::OnKeyPress);
        c.Event("OnKeyUp", &TWinControl::OnKeyUp);
        c.Event("OnDockDrop", &TWinControl::OnDockDrop);
        c.Event("OnDockOver", &TWinControl::OnDockOver);
        c.Event("OnGetSiteInfo", &TWinControl::OnGetSiteInfo);
        c.Event("OnUnDock", &TWinControl::OnUnDock);
    });
    return info;
}

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner)
{
    setFocusPolicy(Qt::NoFocus);
    UpdateOpacity();
}

// Child controls go first, while this control is whole: each tells its parent it
// leaves, and the parent must still be able to listen.
TWinControl::~TWinControl()
{
    m_destroyingControls = true;
    for (TControl* control : Controls())
        delete control;
    for (TControl* client : m_dockClients)
        client->m_hostDockSite = nullptr;
}

bool TWinControl::CanDockClient(const TControl* control) const
{
    for (const QWidget* widget = this; widget; widget = widget->parentWidget())
        if (widget == control)
            return false;
    return true;
}

QRect TWinControl::DockRect() const
{
    return QRect(mapToGlobal(QPoint(0, 0)), size());
}

bool TWinControl::AcceptsDrop(TControl* control, QPoint screenPosition)
{
    bool canDock = DockSite() && CanDockClient(control);
    QRect influence(mapToGlobal(QPoint(0, 0)), size());
    OnGetSiteInfo(this, control, influence, screenPosition, canDock);
    if (!canDock || !influence.contains(screenPosition))
        return false;
    bool accept = true;
    const QPoint at = mapFromGlobal(screenPosition);
    OnDockOver(this, control, at.x(), at.y(), accept);
    return accept;
}

bool TWinControl::AllowsUnDock(TControl* client, TWinControl* newSite)
{
    bool allow = true;
    OnUnDock(this, client, newSite, allow);
    return allow;
}

void TWinControl::DockDrop(TControl* control)
{
    control->SetParent(this);
}

std::vector<TControl*> TWinControl::Controls() const
{
    std::vector<TControl*> controls;
    for (QObject* child : children()) {
        if (auto* control = dynamic_cast<TControl*>(child); control && control->Parent() == this)
            controls.push_back(control);
    }
    return controls;
}

void TWinControl::Realign()
{
    if (m_alignLock > 0 || IsLoading() || m_destroyingControls) {
        m_alignPending = true;
        return;
    }
    m_alignPending = false;
    AlignControls();
}

void TWinControl::EnableAlign()
{
    if (--m_alignLock == 0 && m_alignPending)
        Realign();
}

void TWinControl::SetTabStop(bool value)
{
    if (value == m_tabStop)
        return;
    m_tabStop = value;
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TWinControl::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
}

std::vector<TComponent*> TWinControl::ChildComponents(const TComponent* root) const
{
    std::vector<TComponent*> children = TControl::ChildComponents(root);
    for (TControl* control : Controls()) {
        if (control->Owner() == root)
            children.push_back(control);
    }
    return children;
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    Realign();
}

namespace {

constexpr TAlign alignOrder[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                                 TAlign::alClient};

// Aligned children of one kind in the order they are placed: by position towards
// their side, ties kept in creation order.
std::vector<TControl*> ChildrenAligned(const std::vector<TControl*>& controls, TAlign align)
{
    std::vector<TControl*> result;
    for (TControl* control : controls) {
        if (control->Align() == align && control->Visible())
            result.push_back(control);
    }
    const auto key = [align](const TControl* c) {
        switch (align) {
        case TAlign::alTop:
            return c->Top();
        case TAlign::alBottom:
            return -(c->Top() + c->Height());
        case TAlign::alLeft:
            return c->Left();
        case TAlign::alRight:
            return -(c->Left() + c->Width());
        default:
            return 0;
        }
    };
    std::stable_sort(result.begin(), result.end(),
                     [&key](const TControl* a, const TControl* b) { return key(a) < key(b); });
    return result;
}

// Where one control goes against its side of the free rectangle (left, top, right and
// bottom edges in pixels, right and bottom exclusive); its room is taken away.
QRect PlaceAligned(const TControl* control, TAlign align, int& left, int& top, int& right,
                   int& bottom)
{
    const TSizeConstraints* limits = control->Constraints();
    const int freeWidth = std::max(0, right - left);
    const int freeHeight = std::max(0, bottom - top);
    const int width = limits->ConstrainWidth(control->Width());
    const int height = limits->ConstrainHeight(control->Height());
    switch (align) {
    case TAlign::alTop:
        top += height;
        return QRect(left, top - height, freeWidth, height);
    case TAlign::alBottom:
        bottom -= height;
        return QRect(left, bottom, freeWidth, height);
    case TAlign::alLeft:
        left += width;
        return QRect(left - width, top, width, freeHeight);
    case TAlign::alRight:
        right -= width;
        return QRect(right, top, width, freeHeight);
    case TAlign::alClient:
        return QRect(left, top, freeWidth, freeHeight);
    case TAlign::alNone:
        break;
    }
    return control->BoundsRect();
}

} // namespace

void TWinControl::AlignControls()
{
    const QRect area = AlignRect();
    int left = area.x();
    int top = area.y();
    int right = area.x() + area.width();
    int bottom = area.y() + area.height();
    const std::vector<TControl*> controls = Controls();
    for (TAlign align : alignOrder) {
        for (TControl* control : ChildrenAligned(controls, align))
            control->UpdateBounds(PlaceAligned(control, align, left, top, right, bottom));
    }
}

void TWinControl::InsertControl(TControl*)
{
    Realign();
}

void TWinControl::RemoveControl(TControl*)
{
    Realign();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl* control : Controls())
        control->ParentFontChanged();
}

void TWinControl::ColorChanged()
{
    UpdateOpacity();
    TControl::ColorChanged();
    for (TControl* control : Controls())
        control->ParentColorChanged();
}

// A control with a colour paints every pixel of itself, so Qt need not paint what lies
// beneath it: stacked strips and panels cost only the one in front.
void TWinControl::UpdateOpacity()
{
    setAttribute(Qt::WA_OpaquePaintEvent, Color() != clNone);
}

void TWinControl::paintEvent(QPaintEvent*)
{
    if (Color() == clNone)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), TColors::ToQColor(Color()));
}

void TWinControl::resizeEvent(QResizeEvent* event)
{
    TControl::resizeEvent(event);
    Realign();
}

void TWinControl::KeyDown(unsigned short& key, TShiftState shift)
{
    OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(unsigned short& key, TShiftState shift)
{
    OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(QChar& key)
{
    OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    OnEnter(this);
}

void TWinControl::DoExit()
{
    OnExit(this);
}

namespace {

QChar KeyCharacter(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(charEnter);
    case Qt::Key_Escape:
        return QChar(charEscape);
    case Qt::Key_Backspace:
        return QChar(charBack);
    case Qt::Key_Tab:
        return QChar(charTab);
    default:
        return event->text().isEmpty() ? QChar() : event->text().front();
    }
}

} // namespace

unsigned short TWinControl::VirtualKey(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return static_cast<unsigned short>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<unsigned short>(vkF1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: // Shift+Tab; the shift state says so
        return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Shift:
        return vkShift;
    case Qt::Key_Control:
        return vkControl;
    case Qt::Key_Alt:
        return vkMenu;
    case Qt::Key_Escape:
        return vkEscape;
    case Qt::Key_Space:
        return vkSpace;
    case Qt::Key_PageUp:
        return vkPrior;
    case Qt::Key_PageDown:
        return vkNext;
    case Qt::Key_End:
        return vkEnd;
    case Qt::Key_Home:
        return vkHome;
    case Qt::Key_Left:
        return vkLeft;
    case Qt::Key_Up:
        return vkUp;
    case Qt::Key_Right:
        return vkRight;
    case Qt::Key_Down:
        return vkDown;
    case Qt::Key_Insert:
        return vkInsert;
    case Qt::Key_Delete:
        return vkDelete;
    default:
        return 0;
    }
}

void TWinControl::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        event->ignore(); // the window's system Close command; the form decides
        return;
    }
    RunKeySteps(event);
}

bool TWinControl::RunKeySteps(const QKeyEvent* event)
{
    TForm* form = ParentForm();
    const bool preview = form && form != this && form->KeyPreview();
    unsigned short key = VirtualKey(event);
    const TShiftState shift = ShiftState(event->modifiers(), Qt::NoButton);
    QChar character = KeyCharacter(event);
    bool swallowed = false;
    TErrorReport::Guard([&] {
        const bool known = key != 0;
        if (known && preview)
            static_cast<TWinControl*>(form)->KeyDown(key, shift);
        if (known && key)
            KeyDown(key, shift);
        swallowed = known && !key;
        if (swallowed || character.isNull())
            return;
        if (preview)
            static_cast<TWinControl*>(form)->KeyPress(character);
        if (!character.isNull())
            KeyPress(character);
        swallowed = character.isNull();
    });
    return swallowed;
}

void TWinControl::keyReleaseEvent(QKeyEvent* event)
{
    TForm* form = ParentForm();
    const bool preview = form && form != this && form->KeyPreview();
    unsigned short key = VirtualKey(event);
    const TShiftState shift = ShiftState(event->modifiers(), Qt::NoButton);
    TErrorReport::Guard([&] {
        if (preview && key)
            static_cast<TWinControl*>(form)->KeyUp(key, shift);
        if (key)
            KeyUp(key, shift);
    });
}

void TWinControl::focusInEvent(QFocusEvent* event)
{
    TControl::focusInEvent(event);
    TErrorReport::Guard([&] { DoEnter(); });
}

void TWinControl::focusOutEvent(QFocusEvent* event)
{
    TControl::focusOutEvent(event);
    TErrorReport::Guard([&] { DoExit(); });
}
