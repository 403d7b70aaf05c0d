#include "TControl.h"

#include "Exception.h"
#include "TClassInfo.h"
#include "TControlDrag.h"
#include "TErrorReport.h"
#include "TForm.h"
#include "TPopupMenu.h"
#include "TWinControl.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPointer>

const TClassInfo& TControl::StaticClassInfo()
{
    static const TClassInfo info("TControl", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
        const auto storedIfControlSays = [](const char* name) {
            return [name](const TPersistent* o) {
                return static_cast<const TControl*>(o)->IsPropertyStored(QString::fromLatin1(name));
            };
        };
        // Geometry has no declared default: controls are created at their own sizes, so
        // a layout always states position and size.
        c.Property("Left", &TControl::Left, &TControl::SetLeft, 0).defaultValue =
            TLayoutValue::Nil();
        c.Property("Top", &TControl::Top, &TControl::SetTop, 0).defaultValue = TLayoutValue::Nil();
        auto& width = c.Property("Width", &TControl::Width, &TControl::SetWidth, 0);
        width.defaultValue = TLayoutValue::Nil();
        width.stored = storedIfControlSays("Width");
        auto& height = c.Property("Height", &TControl::Height, &TControl::SetHeight, 0);
        height.defaultValue = TLayoutValue::Nil();
        height.stored = storedIfControlSays("Height");
        c.Property("Align", &TControl::Align, &TControl::SetAlign, TAlign::alNone);
        c.Object("Constraints", &TControl::Constraints);
        c.Property("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault);
        c.Property("DragKind", &TControl::DragKind, &TControl::SetDragKind, TDragKind::dkDrag);
        c.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode, TDragMode::dmManual);
        c.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled, true);
        c.Property("Hint", &TControl::Hint, &TControl::SetHint, QString());
        c.Property("Visible", &TControl::Visible, &TControl::SetVisible, true).stored =
            storedIfControlSays("Visible");
        c.Property("Color", &TControl::Color, &TControl::SetColor, clBtnFace).stored =
            [](const TPersistent* o) { return !static_cast<const TControl*>(o)->ParentColor(); };
        c.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true);
        c.Object("Font", &TControl::Font).stored = [](const TPersistent* o) {
            return !static_cast<const TControl*>(o)->ParentFont();
        };
        c.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true);
        c.Reference("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
        c.Event("OnClick", &TControl::OnClick);
        c.Event("OnDblClick", &TControl::OnDblClick);
        c.Event("OnMouseDown", &TControl::OnMouseDown);
        c.Event("OnMouseMove", &TControl::OnMouseMove);
        c.Event("OnMouseUp", &TControl::OnMouseUp);
    });
    return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner)
    , m_font(std::make_unique<TFont>())
    , m_constraints(std::make_unique<TSizeConstraints>())
{
    setMouseTracking(true);
    m_font->OnChange = [this] {
        if (!m_followingParent)
            m_parentFont = false;
        FontChanged();
    };
    m_constraints->OnChange = [this] { ApplyConstraints(); };
    setFont(m_font->ToQFont());
}

TControl::~TControl()
{
    // Owned components go while this control is still whole: their removal can reach
    // back into it (a parent realigning, a form dropping a reference).
    DestroyComponents();
    m_font->OnChange = nullptr;
    if (m_hostDockSite)
        std::erase(m_hostDockSite->m_dockClients, this);
    if (m_parent)
        m_parent->RemoveControl(this);
    // A floating window that is not itself going goes with its only control.
    if (m_floatingForm && !m_floatingForm->m_destroyingControls)
        ReleaseFloatingForm();
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == m_parent)
        return;
    TWinControl* old = m_parent;
    if (old)
        old->RemoveControl(this);
    m_parent = parent;
    QWidget::setParent(parent);
    if (parent) {
        KeepBelowWindowedSiblings();
        parent->InsertControl(this);
    }
    ParentColorChanged();
    ParentFontChanged();
    ApplyVisibility();
}

TForm* TControl::ParentForm() const
{
    const TControl* control = this;
    while (control->m_parent)
        control = control->m_parent;
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

// Constraints hold for every change of size except while a layout is read: a layout
// sets sizes and constraints in any order.
void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (!IsLoading()) {
        width = m_constraints->ConstrainWidth(width);
        height = m_constraints->ConstrainHeight(height);
    }
    const QRect bounds(left, top, width, height);
    if (bounds == geometry())
        return;
    UpdateBounds(bounds);
    if (m_align != TAlign::alNone)
        RequestAlign();
}

void TControl::SetAlign(TAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    RequestAlign();
}

void TControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    ApplyVisibility();
    if (m_align != TAlign::alNone)
        RequestAlign();
    if (m_hostDockSite)
        m_hostDockSite->DockClientVisibilityChanged(this);
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    setEnabled(enabled);
    update();
}

void TControl::SetColor(TColor color)
{
    if (!m_followingParent)
        m_parentColor = false;
    if (color == m_color)
        return;
    m_color = color;
    ColorChanged();
}

void TControl::SetParentColor(bool value)
{
    if (value == m_parentColor)
        return;
    m_parentColor = value;
    ParentColorChanged();
}

void TControl::SetParentFont(bool value)
{
    if (value == m_parentFont)
        return;
    m_parentFont = value;
    ParentFontChanged();
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == m_cursor)
        return;
    m_cursor = cursor;
    if (cursor == crDefault)
        unsetCursor();
    else
        setCursor(TCursors::ToShape(cursor));
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    if (menu == m_popupMenu)
        return;
    if (m_popupMenu)
        RemoveFreeNotification(m_popupMenu);
    m_popupMenu = menu;
    if (menu)
        FreeNotification(menu);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_popupMenu)
        m_popupMenu = nullptr;
}

void TControl::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_popupMenu) {
        event->ignore();
        return;
    }
    event->accept();
    m_popupMenu->Popup(event->globalPos());
}

void TControl::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    TextChanged();
    if (m_hostDockSite)
        m_hostDockSite->DockClientCaptionChanged(this);
}

void TControl::ManualDock(TWinControl* target)
{
    if (!target || !target->DockSite() || !target->CanDockClient(this))
        throw EInvalidOperation(QStringLiteral("Control '%1' cannot be docked there").arg(Name()));
    TWinControl* oldSite = m_hostDockSite;
    if (oldSite && !oldSite->AllowsUnDock(this, target))
        return;
    TWinControl* oldParent = Parent();
    if (oldSite)
        oldSite->UnDockClient(this);
    target->DockDrop(this);
    if (oldSite)
        LeaveDockSite(oldSite, oldParent);
    ReleaseFloatingForm();
    m_hostDockSite = target;
    target->m_dockClients.push_back(this);
    const QPoint at = target->mapFromGlobal(mapToGlobal(QPoint(0, 0)));
    target->OnDockDrop(target, this, at.x(), at.y());
}

void TControl::ManualFloat(const QRect& screenRect)
{
    // A new floating window is owned by this control's owner, so that it goes at the
    // latest with the window the control came from; it is kept only once it holds the
    // control.
    if (m_hostDockSite && !m_hostDockSite->AllowsUnDock(this, nullptr))
        return;
    std::unique_ptr<TForm> made(m_floatingForm ? nullptr : new TForm(Owner()));
    TForm* form = made ? made.get() : m_floatingForm;
    form->SetBorderStyle(TBorderStyle::bsSizeToolWin);
    form->SetCaption(Caption().isEmpty() ? Name() : Caption());
    form->SetBounds(screenRect.x(), screenRect.y(), screenRect.width(), screenRect.height());
    TWinControl* oldSite = m_hostDockSite;
    TWinControl* oldParent = Parent();
    if (oldSite)
        oldSite->UnDockClient(this);
    SetParent(form);
    m_floatingForm = made ? made.release() : form;
    SetAlign(TAlign::alClient);
    if (oldSite)
        LeaveDockSite(oldSite, oldParent);
    form->Show();
}

void TControl::BeginDrag(bool immediate)
{
    TControlDrag::Begin(*this, immediate);
}

void TControl::LeaveDockSite(TWinControl* site, TWinControl* formerParent)
{
    m_hostDockSite = nullptr;
    std::erase(site->m_dockClients, this);
    site->DockClientLeft(this, formerParent);
}

void TControl::ReleaseFloatingForm()
{
    if (!m_floatingForm)
        return;
    std::exchange(m_floatingForm, nullptr)->Release();
}

void TControl::BringToFront()
{
    raise();
    KeepBelowWindowedSiblings();
}

// A control without a window of its own always lies below its windowed siblings, as
// it is drawn on its parent's surface: among those it can only change places with
// other windowless controls.
void TControl::KeepBelowWindowedSiblings()
{
    if (!m_parent || dynamic_cast<TWinControl*>(this))
        return;
    for (TControl* sibling : m_parent->Controls()) {
        if (dynamic_cast<TWinControl*>(sibling)) {
            stackUnder(sibling);
            return;
        }
    }
}

void TControl::SendToBack()
{
    lower();
}

void TControl::SetParentComponent(TComponent* parent)
{
    SetParent(dynamic_cast<TWinControl*>(parent));
}

void TControl::Loaded()
{
    TComponent::Loaded();
    ParentColorChanged();
    ParentFontChanged();
}

TShiftState TControl::ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift.Include(TShift::ssShift);
    if (modifiers & Qt::AltModifier)
        shift.Include(TShift::ssAlt);
    if (modifiers & Qt::ControlModifier)
        shift.Include(TShift::ssCtrl);
    if (buttons & Qt::LeftButton)
        shift.Include(TShift::ssLeft);
    if (buttons & Qt::RightButton)
        shift.Include(TShift::ssRight);
    if (buttons & Qt::MiddleButton)
        shift.Include(TShift::ssMiddle);
    return shift;
}

void TControl::Click()
{
    OnClick(this);
}

void TControl::DblClick()
{
    OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    OnMouseMove(this, shift, x, y);
}

void TControl::FontChanged()
{
    setFont(m_font->ToQFont());
    update();
}

void TControl::ColorChanged()
{
    update();
}

void TControl::ParentColorChanged()
{
    if (!m_parentColor || !m_parent)
        return;
    m_followingParent = true;
    SetColor(m_parent->Color());
    m_followingParent = false;
}

void TControl::ParentFontChanged()
{
    if (!m_parentFont || !m_parent)
        return;
    m_followingParent = true;
    m_font->Assign(m_parent->Font());
    m_followingParent = false;
}

void TControl::UpdateBounds(const QRect& bounds)
{
    const bool resized = bounds.size() != size();
    setGeometry(bounds);
    if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && resized)
        windowed->Realign();
}

void TControl::RequestAlign()
{
    if (m_parent)
        m_parent->Realign();
}

std::optional<TMouseButton> TControl::MouseButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return TMouseButton::mbLeft;
    case Qt::RightButton:
        return TMouseButton::mbRight;
    case Qt::MiddleButton:
        return TMouseButton::mbMiddle;
    default:
        return std::nullopt;
    }
}

void TControl::mousePressEvent(QMouseEvent* event)
{
    const std::optional<TMouseButton> pressed = MouseButtonOf(event->button());
    if (!pressed)
        return;
    const TMouseButton button = *pressed;
    event->accept();
    m_pressed = button == TMouseButton::mbLeft;
    const QPoint at = event->position().toPoint();
    TErrorReport::Guard([&] {
        MouseDown(button, ShiftState(event->modifiers(), event->buttons()), at.x(), at.y());
    });
}

void TControl::mouseReleaseEvent(QMouseEvent* event)
{
    const std::optional<TMouseButton> released = MouseButtonOf(event->button());
    if (!released)
        return;
    const TMouseButton button = *released;
    event->accept();
    const QPoint at = event->position().toPoint();
    const bool click =
        button == TMouseButton::mbLeft && m_pressed && !m_doubleClicked && rect().contains(at);
    m_pressed = false;
    m_doubleClicked = false;
    // A release handler may free the control (closing its window, say).
    QPointer<TControl> self(this);
    TErrorReport::Guard([&] {
        MouseUp(button, ShiftState(event->modifiers(), event->buttons()), at.x(), at.y());
        if (click && self)
            Click();
    });
}

// The second press of a double-click: first the double-click event, then a press with
// ssDouble; its release does not click again.
void TControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    const std::optional<TMouseButton> pressed = MouseButtonOf(event->button());
    if (!pressed)
        return;
    const TMouseButton button = *pressed;
    event->accept();
    m_doubleClicked = button == TMouseButton::mbLeft;
    m_pressed = m_doubleClicked;
    const QPoint at = event->position().toPoint();
    TShiftState shift = ShiftState(event->modifiers(), event->buttons());
    shift.Include(TShift::ssDouble);
    TErrorReport::Guard([&] {
        if (button == TMouseButton::mbLeft)
            DblClick();
        MouseDown(button, shift, at.x(), at.y());
    });
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    TErrorReport::Guard(
        [&] { MouseMove(ShiftState(event->modifiers(), event->buttons()), at.x(), at.y()); });
}

void TControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    m_mouseInside = true;
    TErrorReport::Guard([&] { CMMouseEnter(); });
}

void TControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_mouseInside = false;
    TErrorReport::Guard([&] { CMMouseLeave(); });
}

bool TControl::IsPropertyStored(const QString&) const
{
    return true;
}

void TControl::ApplyVisibility()
{
    if (m_parent)
        setVisible(m_visible);
}

void TControl::ApplyConstraints()
{
    setMinimumSize(m_constraints->MinWidth(), m_constraints->MinHeight());
    setMaximumSize(m_constraints->MaxWidth() > 0 ? m_constraints->MaxWidth() : QWIDGETSIZE_MAX,
                   m_constraints->MaxHeight() > 0 ? m_constraints->MaxHeight() : QWIDGETSIZE_MAX);
}
