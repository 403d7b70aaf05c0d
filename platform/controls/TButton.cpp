#include "TButton.h"

#include "TClassInfo.h"
#include "TForm.h"
#include "TKeyCodes.h"

namespace {}

const TClassInfo& TButton::StaticClassInfo()
{
    static const TClassInfo info("TButton", &TCustomControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TButton>();
        c.Property("Cancel", &TButton::Cancel, &TButton::SetCancel, false);
        c.Property("Caption", &TButton::Caption, &TButton::SetCaption, QString());
        c.Property("Default", &TButton::Default, &TButton::SetDefault, false);
        c.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone);
        c.Property("TabStop", &TButton::TabStop, &TButton::SetTabStop, true);
    });
    return info;
}

TButton::TButton(TComponent* owner)
    : TCustomControl(owner)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::SetDefault(bool value)
{
    if (value == m_default)
        return;
    m_default = value;
    update();
}

void TButton::PerformClick()
{
    if (Enabled())
        Click();
}

void TButton::Paint()
{
    TCanvas* canvas = Canvas();
    QRect rect = ClientRect();
    if (m_default || Focused())
        canvas->Frame3D(rect, cl3DDkShadow, cl3DDkShadow, 1);
    if (m_pressed) {
        canvas->Frame3D(rect, clBtnShadow, clBtnShadow, 1);
    } else {
        canvas->Frame3D(rect, clBtnHighlight, cl3DDkShadow, 1);
        canvas->Frame3D(rect, cl3DLight, clBtnShadow, 1);
    }
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rect);
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    QRect textRect = m_pressed ? rect.translated(1, 1) : rect;
    QString text = Caption();
    canvas->TextRect(
        textRect, text,
        {TTextFormat::tfCenter, TTextFormat::tfVerticalCenter, TTextFormat::tfSingleLine});
    if (Focused())
        canvas->DrawFocusRect(rect.adjusted(2, 2, -2, -2));
}

void TButton::Click()
{
    if (TForm* form = ParentForm(); form && m_modalResult != mrNone)
        form->SetModalResult(m_modalResult);
    TCustomControl::Click();
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && Enabled()) {
        if (TabStop())
            SetFocus();
        SetPressed(true);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        SetPressed(false);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == vkSpace)
        SetPressed(true);
}

void TButton::KeyUp(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (key != vkSpace || !m_pressed)
        return;
    SetPressed(false);
    PerformClick();
}

void TButton::SetPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    update();
}
