#pragma once

#include "TControl.h"

#include <vector>

using TKeyEvent = TEvent<TObject*, unsigned short&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, QChar&>;
// Dock-site events. Over: sender, the control being dropped, X, Y in the site, accept.
// Drop: sender, the control now docked, its X, Y in the site. UnDock: sender, the client
// about to leave, the site it goes to (nullptr when it floats), allow. GetSiteInfo:
// sender, the control being dropped, the site's influence rectangle on the screen, the
// pointer's screen position, whether it can dock.
using TDockOverEvent = TEvent<TObject*, TControl*, int, int, bool&>;
using TDockDropEvent = TEvent<TObject*, TControl*, int, int>;
using TUnDockEvent = TEvent<TObject*, TControl*, TWinControl*, bool&>;
using TGetSiteInfoEvent = TEvent<TObject*, TControl*, QRect&, QPoint, bool&>;

// A control that holds other controls, lays out the aligned ones, can take the
// keyboard focus and sees keys. Aligned children are placed top, bottom, left, right,
// then client, each kind in the order of their positions; alClient children share
// the remaining space and the newest lies on top.
class TWinControl : public TControl {
    T_CLASS_INFO
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Child controls, oldest (bottom) first.
    std::vector<TControl*> Controls() const;

    // Lays out the aligned children now, unless alignment is disabled or the control
    // is loading; then it happens when that ends.
    void Realign();
    void DisableAlign() { ++m_alignLock; }
    void EnableAlign();

    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool value);
    void SetFocus();
    bool Focused() const { return hasFocus(); }

    // A dock site takes controls docked into it (TControl::ManualDock, BeginDrag).
    bool DockSite() const { return m_dockSite; }
    void SetDockSite(bool value) { m_dockSite = value; }
    // The controls docked here, oldest first.
    const std::vector<TControl*>& DockClients() const { return m_dockClients; }
    // Whether control may dock here now; by default any control outside this one.
    virtual bool CanDockClient(const TControl* control) const;
    // The screen rectangle offered to a control being docked here.
    virtual QRect DockRect() const;
    // Whether control, released at a screen position over this site, docks here: a dock
    // site that can take it, within its influence rectangle (the whole site unless
    // OnGetSiteInfo narrows it), and OnDockOver accepting.
    bool AcceptsDrop(TControl* control, QPoint screenPosition);
    // Whether a docked client may leave for newSite (nullptr: floating); OnUnDock decides.
    bool AllowsUnDock(TControl* client, TWinControl* newSite);

    std::vector<TComponent*> ChildComponents(const TComponent* root) const override;
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TDockOverEvent OnDockOver;
    TDockDropEvent OnDockDrop;
    TUnDockEvent OnUnDock;
    TGetSiteInfoEvent OnGetSiteInfo;

    // The system's virtual-key code of a Qt key event (13 for Enter, 27 for Esc, 'A'..).
    static unsigned short VirtualKey(const QKeyEvent* event);

protected:
    // The part of the control that aligned children share; panels take off bevels.
    virtual QRect AlignRect() const { return ClientRect(); }
    // Places the aligned children in AlignRect; a container with its own layout
    // overrides this. Runs through Realign.
    virtual void AlignControls();
    virtual void KeyDown(unsigned short& key, TShiftState shift);
    virtual void KeyUp(unsigned short& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    // The key steps of a key press: the form's first when it previews keys, then the
    // control's own; either may swallow the key by setting it to 0. True when swallowed.
    // Errors go to the standard error report.
    bool RunKeySteps(const QKeyEvent* event);
    virtual void DoEnter();
    virtual void DoExit();
    // Takes a control being docked: by default makes it a child. A site that raises
    // leaves the control where it was.
    virtual void DockDrop(TControl* control);
    // A docked control is about to leave (UnDockClient) and has left formerParent, the
    // control inside this site that held it (DockClientLeft).
    virtual void UnDockClient(TControl*) {}
    virtual void DockClientLeft(TControl*, TWinControl*) {}
    // A docked control's caption or visibility changed.
    virtual void DockClientCaptionChanged(TControl*) {}
    virtual void DockClientVisibilityChanged(TControl*) {}

    void FontChanged() override;
    void ColorChanged() override;
    // Fills the control with its colour. A subclass's paintEvent starts with this one or
    // fills all of the control itself, which lets Qt skip what lies beneath.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Qt may skip what lies beneath a control that fills itself.
    void UpdateOpacity();

    int m_alignLock = 0;
    bool m_alignPending = false;
    bool m_destroyingControls = false;
    bool m_tabStop = false;
    bool m_dockSite = false;
    std::vector<TControl*> m_dockClients;
};
