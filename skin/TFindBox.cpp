#include "TFindBox.h"

#include "TCentringRule.h"
#include "TClassInfo.h"
#include "TEdit.h"
#include "TKeyCodes.h"

TFindBox* FindBox = nullptr;

const TClassInfo& TFindBox::StaticClassInfo()
{
    static const TClassInfo info("TFindBox", &TTempmodal2::StaticClassInfo(), [](TClassInfo& c) {
        using F = TFindBox;
        c.Creatable<F>();
        c.Handler("FormShow", &F::FormShow);
        c.Handler("FormClose", &F::FormClose);
        c.Handler("FormKeyPress", &F::FormKeyPress);
        c.Handler("Edit1Change", &F::Edit1Change);
        c.Handler("Mybutton1Click", &F::Mybutton1Click);
        c.Handler("Mybutton2Click", &F::Mybutton2Click);
        c.Handler("CloseButtomClick", &F::CloseButtomClick);
        c.Field("Label2", &F::Label2);
        c.Field("Edit1", &F::Edit1);
        c.Field("Label4", &F::Label4);
    });
    return info;
}

TFindBox::TFindBox(TComponent* owner)
    : TTempmodal2(owner)
{}

void TFindBox::FormShow(TObject* sender)
{
    TTempmodal2::FormShow(sender);
    TCentringRule::MoveBox(*this);
    if (Edit1->Enabled())
        Edit1->SetFocus();
}

void TFindBox::FormClose(TObject*, TCloseAction& action)
{
    action = TCloseAction::caFree;
    if (FindBox == this)
        FindBox = nullptr;
}

void TFindBox::FormKeyPress(TObject*, QChar& key)
{
    if (key == QChar(charEnter)) {
        key = QChar();
        Mybutton1->OnClick(Mybutton1);
    } else if (key == QChar(charEscape)) {
        key = QChar();
        Mybutton2->OnClick(Mybutton2);
    }
}

void TFindBox::Edit1Change(TObject*)
{
    if (OnFind)
        OnFind(Edit1->Text());
}

void TFindBox::Mybutton1Click(TObject*)
{
    SetModalResult(mrOk);
}

void TFindBox::Mybutton2Click(TObject*)
{
    SetModalResult(mrCancel);
}

void TFindBox::CloseButtomClick(TObject*)
{
    SetModalResult(mrCancel);
}

void TFindBox::Refuse(const QString& reason)
{
    Edit1->SetEnabled(false);
    Label4->SetCaption(reason);
}
