#pragma once

#include "TTempmodal2.h"

// The confirmation box: a message, "确定" (modal result 1) and "取消" (2). Enter
// confirms, Esc and the close picture cancel. It places itself over the main window's
// working area and frees itself once closed.
class TMess : public TTempmodal2 {
    T_CLASS_INFO
public:
    explicit TMess(TComponent* owner);

    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyPress(TObject* sender, QChar& key);
    void Mybutton1Click(TObject* sender);
    void Mybutton2Click(TObject* sender);
    void CloseButtomClick(TObject* sender);

    TLabel* Label2 = nullptr; // the message
};

// The box while one exists.
extern TMess* Mess;
