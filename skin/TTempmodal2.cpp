#include "TTempmodal2.h"

#include "TClassInfo.h"

TTempmodal2* Tempmodal2 = nullptr;

const TClassInfo& TTempmodal2::StaticClassInfo()
{
    static const TClassInfo info("TTempmodal2", &TMyForm::StaticClassInfo(), [](TClassInfo& c) {
        using F = TTempmodal2;
        c.Creatable<F>();
        c.Handler("FormCreate", &F::FormCreate);
        c.Handler("CloseButtomClick", &F::CloseButtomClick);
        c.Handler("Panel2MouseDown", &F::Panel2MouseDown);
        c.Handler("Panel50MouseDown", &F::Panel50MouseDown);
        c.Handler("Mybutton1MouseEnter", &F::Mybutton1MouseEnter);
        c.Handler("Mybutton1MouseLeave", &F::Mybutton1MouseLeave);
        c.Handler("Mybutton2MouseEnter", &F::Mybutton2MouseEnter);
        c.Handler("Mybutton2MouseLeave", &F::Mybutton2MouseLeave);
        c.Field("Image2", &F::Image2);
        c.Field("Image3", &F::Image3);
        c.Field("Panel2", &F::Panel2);
        c.Field("Panel50", &F::Panel50);
        c.Field("Mybutton1", &F::Mybutton1);
        c.Field("Mybutton2", &F::Mybutton2);
        c.Field("ok", &F::ok);
        c.Field("Label3", &F::Label3);
    });
    return info;
}

TTempmodal2::TTempmodal2(TComponent* owner)
    : TMyForm(owner)
{}

void TTempmodal2::FormCreate(TObject* sender)
{
    TMyForm::FormCreate(sender);
    Label1->SetCaption(Caption());
}

void TTempmodal2::CloseButtomClick(TObject*)
{
    Close();
}

void TTempmodal2::Panel2MouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    SendSysCommand(SC_DRAGMOVE);
}

void TTempmodal2::Panel50MouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    SendSysCommand(SC_DRAGMOVE);
}

void TTempmodal2::Mybutton1MouseEnter(TObject*)
{
    Mybutton1->Picture()->Assign(Image2->Picture());
}

void TTempmodal2::Mybutton1MouseLeave(TObject*)
{
    Mybutton1->Picture()->Assign(Image3->Picture());
}

void TTempmodal2::Mybutton2MouseEnter(TObject*)
{
    Mybutton2->Picture()->Assign(Image2->Picture());
}

void TTempmodal2::Mybutton2MouseLeave(TObject*)
{
    Mybutton2->Picture()->Assign(Image3->Picture());
}
