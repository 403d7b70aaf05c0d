#include "PublicCode.h"

#include "TApplication.h"
#include "TMess.h"
#include "TMessnoresult.h"

namespace {

template <class Box> bool ShowBox(Box*& reference, const QString& text, const QString& title)
{
    reference = TForm::Create<Box>(Application);
    Box* box = reference;
    box->Label1->SetCaption(title);
    box->Label2->SetCaption(text);
    return box->ShowModal() == mrOk;
}

} // namespace

bool ShowMess(const QString& text, const QString& title)
{
    return ShowBox(Mess, text, title);
}

bool ShowMessnoresult(const QString& text, const QString& title)
{
    return ShowBox(Messnoresult, text, title);
}
