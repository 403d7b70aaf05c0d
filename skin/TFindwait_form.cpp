#include "TFindwait_form.h"

#include "TCentringRule.h"
#include "TClassInfo.h"
#include "TGIFImage.h"
#include "TResourceStream.h"
#include "TRxGIFAnimator.h"

TFindwait_form* Findwait_form = nullptr;

namespace {
const QString waitAnimation = QStringLiteral("Wait");
}

// The layout creates an animator, so registering the form registers its class too.
const TClassInfo& TFindwait_form::StaticClassInfo()
{
    static const TClassInfo info("TFindwait_form", &TMyForm::StaticClassInfo(), [](TClassInfo& c) {
        using F = TFindwait_form;
        TRxGIFAnimator::StaticClassInfo();
        c.Creatable<F>();
        c.Handler("FormShow", &F::FormShow);
        c.Handler("FormClose", &F::FormClose);
        c.Field("Label3", &F::Label3);
        c.Field("RxGIFAnimator1", &F::RxGIFAnimator1);
        c.Field("Label2", &F::Label2);
    });
    return info;
}

// It takes no input, so showing it leaves the keys where they go: the find box goes on
// taking what the user types while a long search shows the wait form.
TFindwait_form::TFindwait_form(TComponent* owner)
    : TMyForm(owner)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
}

// A form freed with its owner without being closed (at exit) leaves no stale reference.
TFindwait_form::~TFindwait_form()
{
    if (Findwait_form == this)
        Findwait_form = nullptr;
}

void TFindwait_form::FormShow(TObject* sender)
{
    TMyForm::FormShow(sender);
    {
        TResourceStream stream(waitAnimation);
        RxGIFAnimator1->Image()->LoadFromStream(stream);
    }
    TCentringRule::MoveBox(*this);
}

void TFindwait_form::FormClose(TObject*, TCloseAction& action)
{
    action = TCloseAction::caFree;
    if (Findwait_form == this)
        Findwait_form = nullptr;
}
