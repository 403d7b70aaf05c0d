#include "TMess.h"

#include "TCentringRule.h"
#include "TClassInfo.h"
#include "TKeyCodes.h"

TMess* Mess = nullptr;

const TClassInfo& TMess::StaticClassInfo()
{
    static const TClassInfo info("TMess", &TTempmodal2::StaticClassInfo(), [](TClassInfo& c) {
        using F = TMess;
        c.Creatable<F>();
        c.Handler("FormShow", &F::FormShow);
        c.Handler("FormClose", &F::FormClose);
        c.Handler("FormKeyPress", &F::FormKeyPress);
        c.Handler("Mybutton1Click", &F::Mybutton1Click);
        c.Handler("Mybutton2Click", &F::Mybutton2Click);
        c.Handler("CloseButtomClick", &F::CloseButtomClick);
        c.Field("Label2", &F::Label2);
    });
    return info;
}

TMess::TMess(TComponent* owner)
    : TTempmodal2(owner)
{}

void TMess::FormShow(TObject* sender)
{
    TTempmodal2::FormShow(sender);
    TCentringRule::MoveBox(*this);
}

void TMess::FormClose(TObject*, TCloseAction& action)
{
    action = TCloseAction::caFree;
    if (Mess == this)
        Mess = nullptr;
}

// The key is not consumed: the control with the focus sees it too.
void TMess::FormKeyPress(TObject*, QChar& key)
{
    if (key == QChar(charEnter))
        Mybutton1->OnClick(Mybutton1);
    if (key == QChar(charEscape))
        Mybutton2->OnClick(Mybutton2);
}

void TMess::Mybutton1Click(TObject*)
{
    SetModalResult(mrOk);
}

void TMess::Mybutton2Click(TObject*)
{
    SetModalResult(mrCancel);
}

void TMess::CloseButtomClick(TObject*)
{
    SetModalResult(mrCancel);
}
