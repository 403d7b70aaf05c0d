#pragma once

#include "TColors.h"
#include "TComponent.h"
#include "TControlTypes.h"
#include "TCursors.h"
#include "TEvent.h"
#include "TFont.h"
#include "TSizeConstraints.h"

#include <QWidget>
#include <memory>
#include <optional>

class TWinControl;
class TForm;
class TPopupMenu;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;

// A control: a component with a place inside a parent control, alignment, colour,
// font, cursor and mouse events whose X, Y are in the control's own coordinates.
// Underneath it is a plain Qt widget; the newest sibling lies on top.
class TControl : public QWidget, public TComponent {
    T_CLASS_INFO
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);
    // The form this control lies on, or nullptr.
    TForm* ParentForm() const;

    // Position in the parent's coordinates (on the screen for a form) and size, pixels.
    int Left() const { return x(); }
    void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
    int Top() const { return y(); }
    void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
    int Width() const { return width(); }
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    int Height() const { return height(); }
    void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
    QRect BoundsRect() const { return geometry(); }
    QRect ClientRect() const { return rect(); }
    virtual void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return m_font.get(); }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    TSizeConstraints* Constraints() const { return m_constraints.get(); }
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // The context menu a right click shows, or nullptr.
    TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu* menu);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint) { m_hint = hint; }

    // Docking. The host dock site is the site that took this control in (its parent or
    // the parent's parent, as the site chose); none while undocked or floating.
    TDragKind DragKind() const { return m_dragKind; }
    void SetDragKind(TDragKind kind) { m_dragKind = kind; }
    TDragMode DragMode() const { return m_dragMode; }
    void SetDragMode(TDragMode mode) { m_dragMode = mode; }
    TWinControl* HostDockSite() const { return m_hostDockSite; }
    // Lies alone in a floating window of its own, made by ManualFloat.
    bool Floating() const { return m_floatingForm != nullptr; }
    TForm* FloatingForm() const { return m_floatingForm; }
    // Docks into target, which must be a dock site that accepts this control
    // (EInvalidOperation otherwise); the old site lets it go first, and one whose
    // OnUnDock refuses keeps it. A site that fails to take it passes the failure on and
    // the control stays where it was. The new site's OnDockDrop follows.
    void ManualDock(TWinControl* target);
    // Undocks into a floating window whose client area is screenRect, unless the old
    // site's OnUnDock refuses.
    void ManualFloat(const QRect& screenRect);
    // Starts dragging the control with the mouse (to a dock site when it docks): at
    // once, or once the pointer has moved the platform's drag distance with the button
    // still held.
    void BeginDrag(bool immediate);
    // A dragged control (source) is over this control.
    virtual void DragOver(TControl*) {}

    void BringToFront();
    void SendToBack();
    // Repaints now (Repaint) or when events are next processed (Invalidate).
    void Invalidate() { update(); }
    void Repaint() { repaint(); }

    // Component structure as layouts see it.
    void SetParentComponent(TComponent* parent) override;
    bool HasParentComponent() const override { return m_parent != nullptr; }
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // Turns a Qt mouse event's buttons and modifiers into a shift state.
    static TShiftState ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    // The button of a Qt mouse event; none for the buttons controls do not see.
    static std::optional<TMouseButton> MouseButtonOf(Qt::MouseButton button);

protected:
    // Overridable steps of the control's behaviour, each raising its event.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    // The pointer entered or left the control.
    virtual void CMMouseEnter() {}
    virtual void CMMouseLeave() {}
    // The font or colour changed (own or inherited); the default repaints.
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged() { update(); }
    // Called when a parent's colour or font changes, to follow it where asked.
    void ParentColorChanged();
    void ParentFontChanged();
    // The parent should lay out its aligned children again.
    void RequestAlign();
    // Moves and sizes the control; a windowed control lays out its children at once,
    // even while hidden (Qt holds back resize events of hidden widgets).
    void UpdateBounds(const QRect& bounds);
    bool IsMouseInside() const { return m_mouseInside; }

    // Whether a layout writes this geometry or visibility property ("Width", "Visible"...);
    // a form writes its client size instead of its size.
    virtual bool IsPropertyStored(const QString& name) const;
    // Puts the Visible property into effect; a form shows or hides its window.
    virtual void ApplyVisibility();
    // Puts the size constraints into effect for sizing by the user.
    virtual void ApplyConstraints();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TWinControl;
    void KeepBelowWindowedSiblings();
    // The old dock site lets the control go, before and after it leaves.
    void LeaveDockSite(TWinControl* site, TWinControl* formerParent);
    void ReleaseFloatingForm();

    TWinControl* m_parent = nullptr;
    TAlign m_align = TAlign::alNone;
    bool m_visible = true;
    bool m_enabled = true;
    TColor m_color = clBtnFace;
    bool m_parentColor = true;
    std::unique_ptr<TFont> m_font;
    bool m_parentFont = true;
    bool m_followingParent = false; // a parent's font or colour is being copied in
    TCursor m_cursor = crDefault;
    std::unique_ptr<TSizeConstraints> m_constraints;
    QString m_caption;
    QString m_hint;
    TPopupMenu* m_popupMenu = nullptr;
    TDragKind m_dragKind = TDragKind::dkDrag;
    TDragMode m_dragMode = TDragMode::dmManual;
    TWinControl* m_hostDockSite = nullptr;
    TForm* m_floatingForm = nullptr;
    bool m_pressed = false;
    bool m_doubleClicked = false;
    bool m_mouseInside = false;
};
