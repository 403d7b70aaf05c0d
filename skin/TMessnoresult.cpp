#include "TMessnoresult.h"

#include "TCentringRule.h"
#include "TClassInfo.h"
#include "TKeyCodes.h"

TMessnoresult* Messnoresult = nullptr;

const TClassInfo& TMessnoresult::StaticClassInfo()
{
    static const TClassInfo info("TMessnoresult", &TTempmodal2::StaticClassInfo(),
                                 [](TClassInfo& c) {
                                     using F = TMessnoresult;
                                     c.Creatable<F>();
                                     c.Handler("FormShow", &F::FormShow);
                                     c.Handler("FormClose", &F::FormClose);
                                     c.Handler("FormKeyPress", &F::FormKeyPress);
                                     c.Handler("Mybutton1Click", &F::Mybutton1Click);
                                     c.Handler("CloseButtomClick", &F::CloseButtomClick);
                                     c.Field("Label2", &F::Label2);
                                 });
    return info;
}

TMessnoresult::TMessnoresult(TComponent* owner)
    : TTempmodal2(owner)
{}

void TMessnoresult::FormShow(TObject* sender)
{
    TTempmodal2::FormShow(sender);
    TCentringRule::MoveBox(*this);
}

void TMessnoresult::FormClose(TObject*, TCloseAction& action)
{
    action = TCloseAction::caFree;
    if (Messnoresult == this)
        Messnoresult = nullptr;
}

void TMessnoresult::FormKeyPress(TObject*, QChar& key)
{
    if (key == QChar(charEnter))
        Mybutton1->OnClick(Mybutton1);
}

void TMessnoresult::Mybutton1Click(TObject*)
{
    SetModalResult(mrOk);
}

void TMessnoresult::CloseButtomClick(TObject*)
{
    SetModalResult(mrCancel);
}
