#pragma once

#include "TSysCommand.h"
#include "TWinControl.h"

#include <memory>

enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
T_ENUM_NAMES(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
             "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter");

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
T_ENUM_NAMES(TWindowState, "wsNormal", "wsMinimized", "wsMaximized");

using TCloseEvent = TEvent<TObject*, TCloseAction&>;

// A top-level window built from its class's stored layouts. Create<T>() reads the
// layouts of every form class from the root down to T (each derived layout holds only
// its differences), binds events to handlers of the most-derived class, then runs
// OnCreate. Windows close through Close(); the window manager's close request and
// Alt+F4 arrive as the system Close command, which a window's WMSysCommand may drop.
class TForm : public TWinControl {
    T_CLASS_INFO
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    template <class T> static T* Create(TComponent* owner)
    {
        std::unique_ptr<T> form(new T(owner));
        form->LoadLayouts();
        form->DoCreate();
        return form.release();
    }

    // Applies the stored layouts of this form's class chain, root class first.
    void LoadLayouts();
    // The layout of this form as its class stores it: differences from the parent
    // form class when that has a layout, everything that differs from defaults otherwise.
    QString WriteLayout() const;
    // A new instance of the parent form class built from its own layouts, or nullptr.
    std::unique_ptr<TForm> CreateAncestor() const;

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool value) { m_keyPreview = value; }
    int ClientWidth() const { return Width(); }
    void SetClientWidth(int value) { SetWidth(value); }
    int ClientHeight() const { return Height(); }
    void SetClientHeight(int value) { SetHeight(value); }

    // Show() places the window as Position says on its first showing, runs OnShow and
    // shows it; Hide() hides it.
    // Closes as the close action says (OnClose may change it); a modal window ends
    // its modal loop with mrCancel instead; the main window ends the program.
    void Close();
    // Shows the window modally: other windows take no input until a handler sets a
    // modal result. Returns that result. The window belongs to the main window meanwhile
    // (is transient for it), so that a compositor that places windows itself (a tiling
    // Wayland one) floats it over that one instead of tiling it beside it.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    bool IsModal() const { return m_modalLevel > 0; }
    // Hides the window and frees it once the current event is done.
    void Release();

    // Sends a system command through the window's own handler, WMSysCommand.
    void SendSysCommand(unsigned command);
    // The default handling of a system command, bypassing WMSysCommand: move, size
    // by an edge, minimise, maximise, restore, close.
    void DefaultSysCommand(unsigned command);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

protected:
    // Published fields lose a component that is freed.
    void Notification(TComponent* component, TOperation operation) override;
    virtual void WMSysCommand(TWMSysCommand& message);
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoClose(TCloseAction& action);

    bool IsPropertyStored(const QString& name) const override;
    void ApplyVisibility() override;
    void ApplyConstraints() override;
    void TextChanged() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BindFields();
    void PlaceOnFirstShow();
    void ApplyWindowFlags();
    void BelongToMainWindow();

    TBorderStyle m_borderStyle = TBorderStyle::bsSizeable;
    TPosition m_position = TPosition::poDesigned;
    TWindowState m_windowState = TWindowState::wsNormal;
    bool m_keyPreview = false;
    bool m_shownBefore = false;
    TModalResult m_modalResult = mrNone;
    int m_modalLevel = 0;
};
