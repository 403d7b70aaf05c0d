#pragma once

#include "TTempmodal2.h"

// The information box: a message and "确定" (modal result 1). Enter confirms, the
// close picture gives 2, Esc does nothing. Placed and freed as the confirmation box.
class TMessnoresult : public TTempmodal2 {
    T_CLASS_INFO
public:
    explicit TMessnoresult(TComponent* owner);

    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyPress(TObject* sender, QChar& key);
    void Mybutton1Click(TObject* sender);
    void CloseButtomClick(TObject* sender);

    TLabel* Label2 = nullptr; // the message
};

// The box while one exists.
extern TMessnoresult* Messnoresult;
