#pragma once

#include "TMyForm.h"

// The skinned dialog template: a coloured client area with two picture buttons at the
// bottom ("确定" and "取消" labels lying over them), moved by its caption or by the
// bottom panels. The message boxes derive from it.
class TTempmodal2 : public TMyForm {
    T_CLASS_INFO
public:
    explicit TTempmodal2(TComponent* owner);

    void FormCreate(TObject* sender);
    void CloseButtomClick(TObject* sender);
    void Panel2MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Panel50MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Mybutton1MouseEnter(TObject* sender);
    void Mybutton1MouseLeave(TObject* sender);
    void Mybutton2MouseEnter(TObject* sender);
    void Mybutton2MouseLeave(TObject* sender);

    TImage* Image2 = nullptr; // button picture under the pointer
    TImage* Image3 = nullptr; // button picture at rest
    TPanel* Panel2 = nullptr;
    TPanel* Panel50 = nullptr;
    TNewimage* Mybutton1 = nullptr;
    TNewimage* Mybutton2 = nullptr;
    TLabel* ok = nullptr;
    TLabel* Label3 = nullptr;
};

// The one instance created at start-up; never shown.
extern TTempmodal2* Tempmodal2;
