#include "TMyForm.h"

#include "TApplication.h"
#include "TClassInfo.h"

const TClassInfo& TMyForm::StaticClassInfo()
{
    static const TClassInfo info("TMyForm", &TForm::StaticClassInfo(), [](TClassInfo& c) {
        using F = TMyForm;
        c.Creatable<F>();
        c.Handler("FormCreate", &F::FormCreate);
        c.Handler("FormShow", &F::FormShow);
        c.Handler("FormClose", &F::FormClose);
        c.Handler("imgCloseButtonClick", &F::imgCloseButtonClick);
        c.Handler("imgSizeButtonClick", &F::imgSizeButtonClick);
        c.Handler("imgMinButtonClick", &F::imgMinButtonClick);
        c.Handler("imgCloseButtonMouseEnter", &F::imgCloseButtonMouseEnter);
        c.Handler("imgCloseButtonMouseLeave", &F::imgCloseButtonMouseLeave);
        c.Handler("imgSizeButtonMouseEnter", &F::imgSizeButtonMouseEnter);
        c.Handler("imgSizeButtonMouseLeave", &F::imgSizeButtonMouseLeave);
        c.Handler("imgMinButtonMouseEnter", &F::imgMinButtonMouseEnter);
        c.Handler("imgMinButtonMouseLeave", &F::imgMinButtonMouseLeave);
        c.Handler("imgCaptionMouseDown", &F::imgCaptionMouseDown);
        c.Handler("imgLeftUpMouseDown", &F::imgLeftUpMouseDown);
        c.Handler("Image1MouseDown", &F::Image1MouseDown);
        c.Handler("imgLeftMouseDown", &F::imgLeftMouseDown);
        c.Handler("imgRightMouseDown", &F::imgRightMouseDown);
        c.Field("palUp", &F::palUp);
        c.Field("palLeftUp", &F::palLeftUp);
        c.Field("imgLeftUp", &F::imgLeftUp);
        c.Field("palRightUp", &F::palRightUp);
        c.Field("palUpMid", &F::palUpMid);
        c.Field("palLeft", &F::palLeft);
        c.Field("palRight", &F::palRight);
        c.Field("imgRight", &F::imgRight);
        c.Field("palClient", &F::palClient);
        c.Field("imgLeft", &F::imgLeft);
        c.Field("imgCaption", &F::imgCaption);
        c.Field("Image1", &F::Image1);
        c.Field("palDown", &F::palDown);
        c.Field("imgLeftDown", &F::imgLeftDown);
        c.Field("imgDownMin", &F::imgDownMin);
        c.Field("imgCloseButton", &F::imgCloseButton);
        c.Field("imgSizeButton", &F::imgSizeButton);
        c.Field("imgMinButton", &F::imgMinButton);
        c.Field("imgSizeButton2", &F::imgSizeButton2);
        c.Field("imgCloseButton2", &F::imgCloseButton2);
        c.Field("imgMinButton2", &F::imgMinButton2);
        c.Field("imgMaxButton", &F::imgMaxButton);
        c.Field("imgRestoreButton", &F::imgRestoreButton);
        c.Field("imgMinButton1", &F::imgMinButton1);
        c.Field("imgSizeButton1", &F::imgSizeButton1);
        c.Field("imgCloseButton1", &F::imgCloseButton1);
        c.Field("Panel1", &F::Panel1);
        c.Field("imgRightDown", &F::imgRightDown);
        c.Field("Label1", &F::Label1);
    });
    return info;
}

TMyForm::TMyForm(TComponent* owner)
    : TForm(owner)
{}

void TMyForm::FormCreate(TObject*) {}

void TMyForm::FormShow(TObject*) {}

void TMyForm::FormClose(TObject*, TCloseAction& action)
{
    action = TCloseAction::caFree;
}

void TMyForm::imgCloseButtonClick(TObject*)
{
    Close();
}

// The maximise picture shows after restoring and the restore picture after
// maximising, until the pointer leaves the button. A maximised window fills the work
// area the window system gives it, which already leaves the desktop's panels free.
void TMyForm::imgSizeButtonClick(TObject*)
{
    if (WindowState() == TWindowState::wsNormal) {
        DefaultSysCommand(SC_MAXIMIZE);
        imgSizeButton->Picture()->Assign(imgRestoreButton->Picture());
    } else {
        DefaultSysCommand(SC_RESTORE);
        imgSizeButton->Picture()->Assign(imgMaxButton->Picture());
    }
}

void TMyForm::imgMinButtonClick(TObject*)
{
    if (Application && Application->MainForm() == this) {
        Application->Minimize();
        return;
    }
    DefaultSysCommand(SC_MINIMIZE);
    BringToFront();
}

void TMyForm::imgCloseButtonMouseEnter(TObject*)
{
    imgCloseButton->Picture()->Assign(imgCloseButton1->Picture());
}

void TMyForm::imgCloseButtonMouseLeave(TObject*)
{
    imgCloseButton->Picture()->Assign(imgCloseButton2->Picture());
}

void TMyForm::imgSizeButtonMouseEnter(TObject*)
{
    imgSizeButton->Picture()->Assign(imgSizeButton1->Picture());
}

void TMyForm::imgSizeButtonMouseLeave(TObject*)
{
    imgSizeButton->Picture()->Assign(imgSizeButton2->Picture());
}

void TMyForm::imgMinButtonMouseEnter(TObject*)
{
    imgMinButton->Picture()->Assign(imgMinButton1->Picture());
}

void TMyForm::imgMinButtonMouseLeave(TObject*)
{
    imgMinButton->Picture()->Assign(imgMinButton2->Picture());
}

void TMyForm::imgCaptionMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    MoveByCaption();
}

void TMyForm::imgLeftUpMouseDown(TObject* sender, TMouseButton, TShiftState shift, int x, int y)
{
    SizeByEdgeOf(sender, shift, x, y);
}

void TMyForm::Image1MouseDown(TObject* sender, TMouseButton, TShiftState shift, int x, int y)
{
    SizeByEdgeOf(sender, shift, x, y);
}

void TMyForm::imgLeftMouseDown(TObject* sender, TMouseButton, TShiftState shift, int x, int y)
{
    SizeByEdgeOf(sender, shift, x, y);
}

void TMyForm::imgRightMouseDown(TObject* sender, TMouseButton, TShiftState shift, int x, int y)
{
    SizeByEdgeOf(sender, shift, x, y);
}

// Presses on frame pictures are classified where they happen in the window, so that
// every edge and corner sizes by its own command.
void TMyForm::SizeByEdgeOf(TObject* sender, TShiftState shift, int x, int y)
{
    QPoint at(x, y);
    if (auto* control = dynamic_cast<TControl*>(sender))
        at = control->mapTo(this, at);
    SizeByEdge(shift, at.x(), at.y());
}

TMyForm::SizingChoice TMyForm::ClassifyPress(int x, int y) const
{
    const int m = SizingMargin;
    const bool left = x <= m;
    const bool right = x >= Width() - m;
    const bool top = y <= m;
    const bool bottom = y >= Height() - m;
    if (top && left)
        return {SC_SIZE + WMSZ_TOPLEFT, crSizeNWSE};
    if (top && right)
        return {SC_SIZE + WMSZ_TOPRIGHT, crSizeNESW};
    if (bottom && left)
        return {SC_SIZE + WMSZ_BOTTOMLEFT, crSizeNESW};
    if (bottom && right)
        return {SC_SIZE + WMSZ_BOTTOMRIGHT, crSizeNWSE};
    if (left)
        return {SC_SIZE + WMSZ_LEFT, crSizeWE};
    if (right)
        return {SC_SIZE + WMSZ_RIGHT, crSizeWE};
    if (top)
        return {SC_SIZE + WMSZ_TOP, crSizeNS};
    if (bottom)
        return {SC_SIZE + WMSZ_BOTTOM, crSizeNS};
    return {SC_DRAGMOVE, crDefault};
}

void TMyForm::SizeByEdge(TShiftState shift, int x, int y)
{
    const SizingChoice choice = ClassifyPress(x, y);
    SetCursor(choice.cursor);
    if (shift != TShiftState{TShift::ssLeft})
        return;
    SendSysCommand(choice.command);
}

void TMyForm::MoveByCaption()
{
    SendSysCommand(SC_DRAGMOVE);
}

void TMyForm::WMSysCommand(TWMSysCommand& message)
{
    if (message.CmdType == SC_CLOSE)
        return;
    TForm::WMSysCommand(message);
}
