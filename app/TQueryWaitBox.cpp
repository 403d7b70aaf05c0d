#include "TQueryWaitBox.h"

#include "TApplication.h"
#include "TFindwait_form.h"
#include "TRxGIFAnimator.h"
#include "TRxTimer.h"

TQueryWaitBox::TQueryWaitBox()
    : m_pulse(&TQueryWaitBox::AnimateWaitForm)
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

// By the global reference: the form may have gone meanwhile.
void TQueryWaitBox::AnimateWaitForm()
{
    if (Findwait_form && Findwait_form->RxGIFAnimator1)
        Findwait_form->RxGIFAnimator1->Timer()->RunHandedOverTick();
}
