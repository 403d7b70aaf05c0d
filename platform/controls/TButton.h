#pragma once

#include "TCustomControl.h"

// A push button. A click gives its form the button's ModalResult when that is set;
// Default and Cancel buttons also answer Enter and Esc pressed anywhere on the form.
class TButton : public TCustomControl {
    T_CLASS_INFO
public:
    explicit TButton(TComponent* owner);

    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }

    // Clicks the button as a press of the mouse or the space bar would.
    void PerformClick();

protected:
    void Paint() override;
    void Click() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyUp(unsigned short& key, TShiftState shift) override;

private:
    void SetPressed(bool pressed);

    TModalResult m_modalResult = mrNone;
    bool m_default = false;
    bool m_cancel = false;
    bool m_pressed = false;
};
