#pragma once

class TControl;
class TWinControl;
class TabcButtonPage;
class TabcCustomButtonBar;

// The button bar as a dock site: a control docked onto the bar gets a page of its own,
// captioned after the control, opened when the control is visible and filled by it; the
// page follows the control's caption and visibility and goes once the control has left.
class TabcButtonBarDocking {
public:
    explicit TabcButtonBarDocking(TabcCustomButtonBar& bar);

    // The control docked on page, or nullptr.
    TControl* DockedControlOf(const TabcButtonPage* page) const;
    // A control already docked on one of the pages cannot dock again.
    bool CanDock(const TControl* control) const;

    // A new page for the control; if docking it fails, the page goes again.
    void Dock(TControl* control);
    void Undocking(TControl* control);
    // The control has left formerParent; its page goes once the current event is done.
    void Left(TWinControl* formerParent);
    void CaptionChanged(TControl* control);
    void VisibilityChanged(TControl* control);

private:
    TabcCustomButtonBar& m_bar;
};
