#include "TQueryWaitBox.h"

#include "TApplication.h"
#include "TFindwait_form.h"

TQueryWaitBox::TQueryWaitBox()
{
    if (Findwait_form)
        return;
    Findwait_form = TForm::Create<TFindwait_form>(Application);
    Findwait_form->Show();
    Findwait_form->repaint();
}

TQueryWaitBox::~TQueryWaitBox()
{
    if (Findwait_form)
        Findwait_form->Close();
}
