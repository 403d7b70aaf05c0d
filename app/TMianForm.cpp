#include "TMianForm.h"

#include "PublicCode.h"
#include "TApplication.h"
#include "TClassInfo.h"

#include <QDir>

TMianForm* MianForm = nullptr;

const TClassInfo& TMianForm::StaticClassInfo()
{
    static const TClassInfo info("TMianForm", &TMyForm::StaticClassInfo(), [](TClassInfo& c) {
        using F = TMianForm;
        c.Creatable<F>();
        c.Handler("FormCreate", &F::FormCreate);
        c.Handler("SpeedButton1Click", &F::SpeedButton1Click);
        c.Handler("SpeedButton2Click", &F::SpeedButton2Click);
        c.Handler("SpeedButton3Click", &F::SpeedButton3Click);
        c.Handler("SpeedButton4Click", &F::SpeedButton4Click);
        c.Handler("SpeedButton5Click", &F::SpeedButton5Click);
        c.Handler("SpeedButton7Click", &F::SpeedButton7Click);
        c.Handler("SpeedButton10Click", &F::SpeedButton10Click);
        c.Handler("imgCloseButtonClick", &F::imgCloseButtonClick);
        c.Handler("imgCaptionDblClick", &F::imgCaptionDblClick);
        c.Field("Panel3", &F::Panel3);
        c.Field("Panel11", &F::Panel11);
        c.Field("Panel13", &F::Panel13);
        c.Field("Panel14", &F::Panel14);
        c.Field("Panel18", &F::Panel18);
        c.Field("Panel16", &F::Panel16);
        c.Field("Panel21", &F::Panel21);
        c.Field("Client", &F::Client);
        c.Field("abcButtonBar1", &F::abcButtonBar1);
        c.Field("WebBrowser1", &F::WebBrowser1);
        c.Field("Label10", &F::Label10);
        c.Field("label7", &F::label7);
    });
    return info;
}

TMianForm::TMianForm(TComponent* owner)
    : TMyForm(owner)
{}

void TMianForm::FormCreate(TObject* sender)
{
    TMyForm::FormCreate(sender);
}

void TMianForm::SpeedButton1Click(TObject*)
{
    Panel3->BringToFront();
}

void TMianForm::SpeedButton2Click(TObject*)
{
    Panel11->BringToFront();
}

void TMianForm::SpeedButton3Click(TObject*)
{
    Panel13->BringToFront();
}

void TMianForm::SpeedButton4Click(TObject*)
{
    Panel14->BringToFront();
}

void TMianForm::SpeedButton5Click(TObject*)
{
    Panel18->BringToFront();
}

void TMianForm::SpeedButton7Click(TObject*)
{
    Panel18->BringToFront();
}

void TMianForm::SpeedButton10Click(TObject*)
{
    Panel21->BringToFront();
    WebBrowser1->Navigate(HelpPagePath());
}

void TMianForm::imgCloseButtonClick(TObject*)
{
    if (!ShowMess(QStringLiteral("您是否要关闭程序?"), QStringLiteral("提示")))
        return;
    Application->Minimize();
    Close();
}

void TMianForm::imgCaptionDblClick(TObject*)
{
    abcButtonBar1->SetAlign(abcButtonBar1->Align() == TAlign::alLeft ? TAlign::alRight
                                                                     : TAlign::alLeft);
}

QString TMianForm::HelpPagePath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("help/question.htm"));
}
