#pragma once

#include "TMyForm.h"

class TRxGIFAnimator;

// The wait box "查询数据" that the catalogue shows while a category query runs: the
// "Wait" animation and a line asking to wait. It is shown without being modal, places
// itself over the main window's working area, and frees itself once closed. Showing it
// never takes the keyboard focus.
class TFindwait_form : public TMyForm {
    T_CLASS_INFO
public:
    explicit TFindwait_form(TComponent* owner);
    ~TFindwait_form() override;

    // Loads the "Wait" animation into the animator, then places the form by the
    // centring rule. A missing or damaged resource raises its error; the stream is
    // freed either way.
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    TLabel* Label3 = nullptr; // the title in the caption strip
    TRxGIFAnimator* RxGIFAnimator1 = nullptr;
    TLabel* Label2 = nullptr; // the request to wait
};

// The wait form while one exists.
extern TFindwait_form* Findwait_form;
